// Cost of the controller's Steering per call, through its script frame, next
// to the floor of a native call that reads the same arguments and does
// nothing; and of the command tokeniser. Steering must allocate nothing: every
// allocation through GMalloc and the global allocator is counted while it
// runs.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

#include "host/exported_members.h"
#include "host/package_host.h"
#include "host/script_call.h"
#include "zadcine/cinematics.h"

namespace {

std::atomic<long> g_allocations{0};

class CountingMalloc : public FMalloc {
 public:
  explicit CountingMalloc(FMalloc* inner) : inner_(inner) {}
  void* Malloc(std::size_t size, const char* tag) override {
    ++g_allocations;
    return inner_->Malloc(size, tag);
  }
  void* Realloc(void* original, std::size_t size, const char* tag) override {
    ++g_allocations;
    return inner_->Realloc(original, size, tag);
  }
  void Free(void* original) override { inner_->Free(original); }

 private:
  FMalloc* inner_;
};

// A native that reads what Steering reads and does nothing with it.
class AEmptyNative : public UObject {
 public:
  void execReadOnly(FFrame& Stack, void*) {
    FVector target;
    Stack.Step(Stack.Object, &target);
    UObject* ignored = nullptr;
    Stack.Step(Stack.Object, &ignored);
    float radius = 0.f;
    Stack.Step(Stack.Object, &radius);
    uint32_t no_avoid = 0, slow_down = 0;
    Stack.Step(Stack.Object, &no_avoid);
    Stack.Step(Stack.Object, &slow_down);
    Stack.Code++;
    benchmark::DoNotOptimize(target);
  }
  void execNothing(FFrame& Stack, void*) { Stack.Code++; }
};

// The loaded package with a controller steering a pawn towards a far point.
struct Scene {
  Scene() {
    const engine_host::ScriptClass controller_class =
        engine_host::ScriptClass("CineController2", "Controller")
            .Native("Steering")
            .Event("EndOfMove", [](UObject*, void*, void*) {})
            .Event("AvoidObstacle", [](UObject*, void*, void*) {});
    if (!host.Declare(controller_class).ok() ||
        !host.Load(ZADCINE_LIBRARY_PATH, {"Core", "Engine", "ZADPawn"}).ok()) {
      std::abort();
    }
    level = static_cast<ULevel*>(host.Create(ULevel::StaticClass()));
    controller = static_cast<ACineController2*>(
        level->SpawnActor(host.FindClass("CineController2"), NAME_None, FVector(0.f, 0.f, 0.f)));
    pawn = static_cast<APawn*>(
        level->SpawnActor(host.FindClass("Pawn"), NAME_None, FVector(0.f, 0.f, 0.f)));
    controller->Pawn = pawn;
    controller->MoveDirection = FVector(1.f, 0.f, 0.f);
    controller->MoveSpeed = 300.f;
    controller->SpeedScale = 1.f;
    controller->AccelScale = 1.f;
    steering = *static_cast<Native*>(host.Symbol("ZADCine", "intACineController2execSteering"));
  }
  // The code of a Steering call, ending in the end-of-parameters token.
  static std::vector<uint8_t> Code(bool no_avoid) {
    engine_host::ScriptCall call;
    call.Vector(FVector(5000.f, 100.f, 0.f)).Int(0).Float(10.f).Bool(no_avoid).Bool(true);
    std::vector<uint8_t> code = call.code();
    code.push_back(EX_EndFunctionParms);
    return code;
  }

  engine_host::PackageHost host;
  ULevel* level = nullptr;
  ACineController2* controller = nullptr;
  APawn* pawn = nullptr;
  Native steering = nullptr;
};

Scene& TheScene() {
  static Scene scene;
  return scene;
}

void RunNative(benchmark::State& state, UObject* object, Native native,
               const std::vector<uint8_t>& code) {
  CountingMalloc counting(GMalloc);
  FMalloc* previous = GMalloc;
  GMalloc = &counting;
  // Both counters must see an allocation, or a zero below would prove nothing.
  const long unchecked = g_allocations.load();
  int* probe = new int(1);
  benchmark::DoNotOptimize(probe);
  delete probe;
  GMalloc->Free(GMalloc->Malloc(1, "check"));
  if (g_allocations.load() - unchecked != 2) state.SkipWithError("allocations are not counted");
  const long before = g_allocations.load();
  for (auto _ : state) {
    FFrame stack(object, nullptr, code.data(), nullptr);
    (object->*native)(stack, nullptr);
  }
  const long allocations = g_allocations.load() - before;
  GMalloc = previous;
  state.counters["allocations"] = static_cast<double>(allocations);
  if (allocations != 0) state.SkipWithError("the native allocated");
}

void BM_EmptyNativeCall(benchmark::State& state) {
  static const std::vector<uint8_t> code = {EX_EndFunctionParms};
  Scene& scene = TheScene();
  RunNative(state, scene.controller, static_cast<Native>(&AEmptyNative::execNothing), code);
}
BENCHMARK(BM_EmptyNativeCall);

void BM_EmptyNativeReadingSteeringArguments(benchmark::State& state) {
  static const std::vector<uint8_t> code = Scene::Code(true);
  Scene& scene = TheScene();
  RunNative(state, scene.controller, static_cast<Native>(&AEmptyNative::execReadOnly), code);
}
BENCHMARK(BM_EmptyNativeReadingSteeringArguments);

void BM_Steering(benchmark::State& state) {
  const bool events = state.range(0) != 0;
  const std::vector<uint8_t> code = Scene::Code(!events);
  Scene& scene = TheScene();
  scene.controller->CtrlFlags.Bits = events ? 0 : ACineController2::kKeepAnimation;
  RunNative(state, scene.controller, scene.steering, code);
}
// 0: bNoAvoid and bKeepAnimation (no events); 1: AvoidObstacle and
// ChangeAnimation raised on every call.
BENCHMARK(BM_Steering)->Arg(0)->Arg(1);

void BM_GetFirstWord(benchmark::State& state) {
  using GetFirstWordFn = char* (*)(char**);
  auto get_first_word = reinterpret_cast<GetFirstWordFn>(TheScene().host.Symbol(
      "ZADCine", engine_host::MemberSymbol("ACineController2", "12GetFirstWordEPPc").c_str()));
  const std::string line = "  MOVETO 12 WAIT 1 2 ANIM ONCE";
  std::string text;
  for (auto _ : state) {
    text = line;
    char* cursor = text.data();
    while (char* word = get_first_word(&cursor)) benchmark::DoNotOptimize(word);
  }
}
BENCHMARK(BM_GetFirstWord);

}  // namespace

// Counts every allocation of the process through the global allocator. The
// replacement pair is malloc and free underneath, which GCC cannot see once
// it inlines them into callers.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size) {
  ++g_allocations;
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

BENCHMARK_MAIN();
