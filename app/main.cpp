// The one application object; the framework's WinMain runs its InitInstance.
#include "app/ovasettings_app.h"

COvaSettingsApp theApp;
