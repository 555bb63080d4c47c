// The product's version, shown in every binary's version resource, and its addresses.
#pragma once

// The About box says "Version 3.1".
#define QUILLET_VERSION_NUMBERS 3, 1, 0, 0
#define QUILLET_VERSION_TEXT "3.1.0.0"
#define QUILLET_COMPANY "Brantle Software"
#define QUILLET_COPYRIGHT "Copyright (C) 1999 Brantle Software"

// Opened by the tray menu's "&Visit Home Page" and the About box; the About box shows both.
#define QUILLET_HOME_PAGE "http://www.quillet99.com/"
#define QUILLET_SUPPORT "support@quillet99.com"
