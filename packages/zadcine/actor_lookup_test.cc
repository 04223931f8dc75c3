// FindAnActor and the event-raising methods of the cinematic controller, run
// from the built library.
#include <string>

#include "host/exported_members.h"
#include "zadcine_fixture.h"

namespace {

class ActorLookupTest : public ZADCineTest {
 protected:
  AActor* Find(ACineController2* controller, const char* word) {
    engine_host::ScriptCall call;
    call.String(word);
    AActor* found = reinterpret_cast<AActor*>(0x1);
    call.Call(controller, "FindAnActor", &found);
    return found;
  }
};

TEST_F(ActorLookupTest, FindAnActorResolvesReservedWordsMarkersAndNames) {
  ACineController2* controller = NewController("Director");
  ACine2* pawn = NewPawn(FVector(), controller, "Actor1");
  AActor* player = NewPawn(FVector(), nullptr, "Player");
  APositionInfo* marker3 = NewMarker("PositionInfo3", FVector(), 0.f);
  APositionInfo* marker3b = NewMarker("PositionInfo3b", FVector(), 0.f);
  NewPawn(FVector(), nullptr, "PositionInfo12");  // named like a marker, not one
  AActor* door = NewPawn(FVector(), nullptr, "Door");
  host_.Create(USkeletalMesh::StaticClass(), FName("Rock", FNAME_Add));  // not an actor

  struct Case {
    const char* word;
    AActor* expected;
  };
  const Case unset_player[] = {{"player", nullptr}};
  for (const Case& c : unset_player) EXPECT_EQ(Find(controller, c.word), c.expected) << c.word;

  controller->PlayerActor = player;
  const Case cases[] = {
      {"player", player}, {"PLAYER", player},       {"none", nullptr}, {"", nullptr},
      {"self", pawn},     {"3", marker3},           {"3b", marker3b},  {"4", nullptr},
      {"12", nullptr},    {"Door", door},           {"Rock", nullptr}, {"Nobody", nullptr},
      {"Actor1", pawn},   {"Director", controller},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Find(controller, c.word), c.expected) << "word '" << c.word << "'";
  }

  controller->Pawn = nullptr;
  EXPECT_EQ(Find(controller, "self"), nullptr);
}

// The exported event methods.
using ActorEventFn = void (ACineController2::*)(AActor*);
using PlainEventFn = void (ACineController2::*)();

TEST_F(ActorLookupTest, EventMethodsRaiseTheirScriptEvents) {
  auto member = [&](const char* rest) {
    return Export(engine_host::MemberSymbol("ACineController2", rest).c_str());
  };
  auto cine_warn = engine_host::MemberAt<ActorEventFn>(member("13eventCineWarnEP6AActor"));
  auto end_of_dial = engine_host::MemberAt<ActorEventFn>(member("14eventEndOfDialEP6AActor"));
  auto end_of_seq = engine_host::MemberAt<PlainEventFn>(member("13eventEndOfSeqEv"));
  auto end_of_move = engine_host::MemberAt<PlainEventFn>(member("14eventEndOfMoveEv"));
  ASSERT_TRUE(cine_warn && end_of_dial && end_of_seq && end_of_move);
  ACineController2* controller = NewController();
  ACine2* pawn = NewPawn(FVector(), controller);

  (controller->*cine_warn)(pawn);
  (controller->*end_of_dial)(nullptr);
  (controller->*end_of_dial)(pawn);
  (controller->*end_of_seq)();
  (controller->*end_of_move)();
  EXPECT_EQ(events_.cine_warn, std::vector<AActor*>{pawn});
  EXPECT_EQ(events_.end_of_dial, (std::vector<AActor*>{nullptr, pawn}));
  EXPECT_EQ(events_.end_of_seq, 1);
  EXPECT_EQ(events_.end_of_move, 1);
}

TEST_F(ActorLookupTest, AStateHandlerComesBeforeTheClassHandler) {
  ACineController2* controller = NewController();
  NewPawn(FVector(), controller);
  controller->GotoState(FName("Walking", FNAME_Find));
  Steer(controller, FVector(-10.f, 0.f, 0.f), 1.f);
  EXPECT_EQ(events_.end_of_move_in_state, 1);
  EXPECT_EQ(events_.end_of_move, 0);
}

}  // namespace
