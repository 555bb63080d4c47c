// The stored settings put in force in the running host: the hook library's switches and table,
// the favourite folders and the features indicator.
#pragma once

// Reloads the settings and hands them to the hook library.
void ApplySettings();
