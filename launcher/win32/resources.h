// Resource identifiers of Hostdeck.exe, shared by the resource script and the
// code (macros, because the resource compiler reads them too).
#pragma once

#define IDI_HOSTDECK 1  // ui::win32::kProgramIconId: every window's class carries it
#define IDB_BANNER 101
#define IDB_AUTHORSHIP 102
