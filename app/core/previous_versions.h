// The 1997 and 1998 versions of the program: closed and kept from starting again.
#pragma once

void RetirePreviousVersions();
