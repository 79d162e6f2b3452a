#pragma once

namespace shell {

class ProfileStore;

// Reads every preference from the store; a value that is absent takes its first-run default.
// The four switches count as on for any value but 0; the threshold and the additional-information
// value are taken as stored.
void loadPreferences(ProfileStore& store);

// Writes every preference. Each value that cannot be written is reported on its own; the others
// are still written.
void savePreferences(ProfileStore& store);

} // namespace shell
