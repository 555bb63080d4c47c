// The common controls (list views, image lists) are loaded by the first dialog that needs them,
// not at start-up, so that a host that never opens one pays nothing for them.
#pragma once

void EnsureCommonControls();
