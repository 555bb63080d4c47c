// Version numbers shown in every binary's version resource.
#pragma once

#define QUILLET_VERSION_NUMBERS 1, 0, 0, 0
#define QUILLET_VERSION_TEXT "1.0.0.0"
#define QUILLET_COMPANY "Brantle Software"
#define QUILLET_COPYRIGHT "Copyright (C) 1999 Brantle Software"
