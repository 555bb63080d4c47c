// Every resource and control id of the host, shared by the resource script and the code.
#pragma once

// The program's own icon.
#define IDI_QUILLET96 "QUILLET96"
