// How natives read their arguments from the script frame (core/frame.h): the
// end of the parameter list, and out string arguments that work on the
// caller's variable. Header only, for package libraries and the engine's own
// test classes alike.
#pragma once

#include "core/core.h"

// Steps over the end-of-parameters token and a line marker that follows it.
inline void FinishParms(FFrame& Stack) {
  Stack.Code++;
  if (*Stack.Code == EX_LineMarker) Stack.Step(Stack.Object, nullptr);
}

// An out string argument: the caller's variable when it passed one, otherwise
// a local copy of the value. Tell() reports a change to the object that holds
// the variable, when there is one.
class OutString {
 public:
  // Reads the next argument of Stack.
  explicit OutString(FFrame& Stack) {
    GPropAddr = nullptr;
    Stack.Step(Stack.Object, &Local);
    if (GPropAddr) {
      Target = reinterpret_cast<FString*>(GPropAddr);
      Holder = GPropObject;
      Property = GProperty;
    }
  }
  OutString(const OutString&) = delete;
  OutString& operator=(const OutString&) = delete;

  FString& Get() { return *Target; }
  void Tell() {
    if (Holder) Holder->NetDirty(Property);
  }

 private:
  FString Local;
  FString* Target = &Local;
  UObject* Holder = nullptr;
  UProperty* Property = nullptr;
};
