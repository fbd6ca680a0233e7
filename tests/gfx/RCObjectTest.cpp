#include <gtest/gtest.h>

#include "gfx/RCObject.h"

namespace {

struct Counted : RCObject {
  explicit Counted(bool& destroyed) : destroyed_(destroyed) {}
  ~Counted() override { destroyed_ = true; }
  bool& destroyed_;
};

TEST(RCObject, TheLastReleaseDestroysTheObject) {
  bool destroyed = false;
  auto* object = new Counted(destroyed);
  object->AddRef();
  object->AddRef();
  EXPECT_FALSE(object->Release());
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(object->Release());
  EXPECT_TRUE(destroyed);
}

}  // namespace
