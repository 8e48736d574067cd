// The program's process-wide objects, in the order static initialisation makes them: the card
// list and the profile catalogue, then the one application object, whose InitInstance the
// framework's WinMain runs. Every process of the program makes the two catalogues, a copy that
// the single-instance guard refuses included. Test programs link everything but this file, so
// they get no catalogue unless a test makes one.
#include "app/ovasettings_app.h"
#include "store/nics_info.h"
#include "store/profile_catalogue.h"

namespace {

NicsInfo* const g_pStartNics = MakeProcessNicsInfo();
ProfilesInfo* const g_pStartProfiles = MakeProcessProfilesInfo();

}  // namespace

COvaSettingsApp theApp;
