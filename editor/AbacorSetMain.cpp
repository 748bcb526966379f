// AbacorSet, the settings editor.
#include "editor/CSettingsApp.h"

int main(int argc, char* argv[])
{
    abacor::CSettingsApp app;
    return app.InitInstance(argc, argv);
}
