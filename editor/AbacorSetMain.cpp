// AbacorSet, the settings editor.
#include "editor/RunSettingsEditor.h"

int main(int argc, char* argv[]) { return abacor::RunSettingsEditor(argc, argv); }
