// AbacorSet, the settings editor.
#include "editor/RunSettingsEditor.h"

int main(int argc, char* argv[])
{
    abacor::RunSettingsEditor app;
    return app.InitInstance(argc, argv);
}
