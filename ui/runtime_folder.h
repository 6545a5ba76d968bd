#pragma once
// A session without XDG_RUNTIME_DIR (su, ssh, a bare X server): Qt would warn on the terminal
// and pick a folder itself. The program gives itself a private one first.

namespace brenvik {

/// When XDG_RUNTIME_DIR is unset or empty, sets it to a folder of this user's alone under the
/// temporary folder: runtime-USER, made with mode 0700 if missing and taken only if it is a
/// folder of this user's with that mode; otherwise a new private folder beside it. Call before
/// the application object is made.
void providePrivateRuntimeFolder();

}  // namespace brenvik
