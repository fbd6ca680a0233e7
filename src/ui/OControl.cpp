#include "ui/OControl.h"

OControl::OControl(std::uint32_t controlId, bool canTakeFocus) : id(controlId), focusable(canTakeFocus) {}

bool OControl::HandleEvent(const OEvent& /*event*/) { return false; }

void OControl::Draw() {}

bool OControl::HitTest(const OEvent& /*event*/) { return false; }

bool OControl::Init() { return false; }

void OControl::Highlight() { highlighted = true; }

void OControl::Unhighlight() { highlighted = false; }

bool OControl::Notify(std::uint32_t code) { return owner != nullptr && owner->OnCommand(id, code); }
