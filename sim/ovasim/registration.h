// ovasim's verbs around the editor registration of OvaShMem.dll.
#pragma once

namespace ovasim {

// The verb of the holder process, which RegisterEditor starts.
inline constexpr char kHolderVerb[] = "hold-registration";

// `ovasim register-editor`: starts a background holder process that registers an editor under
// "OvaSettings" and keeps it until `unregister-editor`. Returns the process exit code.
int RegisterEditor();
// `ovasim unregister-editor`: ends the holder, which drops the registration.
int UnregisterEditor();
// `ovasim hold-registration` (started by RegisterEditor, not for people): the holder itself.
int HoldRegistration();

}  // namespace ovasim
