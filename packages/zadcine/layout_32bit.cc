// The 32-bit layout of the package's objects must match the script classes
// field for field: the script package reads and writes these offsets. Built
// only for the 32-bit target, where the engine classes have their script sizes.
#include <cstddef>

#include "zadcine/cine2.h"
#include "zadcine/cinematics.h"
#include "zadcine/position_info.h"

// The classes are not standard-layout (they are polymorphic); GCC computes
// their offsets all the same.
#pragma GCC diagnostic ignored "-Winvalid-offsetof"

static_assert(sizeof(APositionInfo) == 504);
static_assert(offsetof(APositionInfo, PositionFlags) == 496);
static_assert(offsetof(APositionInfo, GroundOffset) == 500);

static_assert(sizeof(ACine2) == 1788);
static_assert(offsetof(ACine2, CineRecords) == 1536);
static_assert(offsetof(ACine2, CineName1) == 1548);
static_assert(offsetof(ACine2, CineList1) == 1564);
static_assert(offsetof(ACine2, CineTriples) == 1592);
static_assert(offsetof(ACine2, CineTextList1) == 1604);
static_assert(offsetof(ACine2, CineList2) == 1640);
static_assert(offsetof(ACine2, CineValue5) == 1688);
static_assert(offsetof(ACine2, CineVector) == 1708);
static_assert(offsetof(ACine2, CineFlags) == 1732);
static_assert(offsetof(ACine2, LastYaw) == 1768);
static_assert(offsetof(ACine2, CineValue24) == 1784);
static_assert(sizeof(FCineRecord) == 24);

static_assert(sizeof(ACineController2) == 1244);
static_assert(offsetof(ACineController2, CtrlBlock1) == 816);
static_assert(offsetof(ACineController2, CtrlFlags) == 884);
static_assert(offsetof(ACineController2, CtrlText1) == 900);
static_assert(offsetof(ACineController2, PlayerCtrl) == 912);
static_assert(offsetof(ACineController2, PlayerActor) == 916);
static_assert(offsetof(ACineController2, CtrlName) == 920);
static_assert(offsetof(ACineController2, CtrlQuad) == 928);
static_assert(offsetof(ACineController2, LineCounter) == 944);
static_assert(offsetof(ACineController2, CommandFlags) == 948);
static_assert(offsetof(ACineController2, CtrlText2) == 1004);
static_assert(offsetof(ACineController2, MoveDirection) == 1028);
static_assert(offsetof(ACineController2, MoveSpeed) == 1052);
static_assert(offsetof(ACineController2, AccelScale) == 1060);
static_assert(offsetof(ACineController2, SpeedScale) == 1072);
static_assert(offsetof(ACineController2, CtrlVector2) == 1092);
static_assert(offsetof(ACineController2, CtrlNames) == 1108);
static_assert(offsetof(ACineController2, CtrlBlock5) == 1204);
static_assert(offsetof(ACineController2, CtrlValue19) == 1240);
