#include "app/StillPicture.h"

void StillPicture::Stirred(std::int64_t now) {
  lastMessage_ = now;
  sameRun_ = false;
  still_ = false;
}

bool StillPicture::Compares(std::int64_t now) const { return now - lastMessage_ >= kQuietBeforeComparing; }

void StillPicture::Compared(std::int64_t now, bool same) {
  if (!same) {
    sameRun_ = false;
    still_ = false;
    return;
  }
  if (!sameRun_) {
    sameRun_ = true;
    sameSince_ = now;
  }
  still_ = now - sameSince_ >= kSameForStill;
  nextLook_ = now + kLookPeriod;
}

std::int64_t StillPicture::RestBefore(std::int64_t now) const {
  return still_ && nextLook_ > now ? nextLook_ - now : 0;
}
