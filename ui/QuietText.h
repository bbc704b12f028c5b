// A text box that a clock rewrites many times a second, kept from flooding assistive technology:
// its changes are told at most once a second, the latest one last, and every one while it has
// the focus; a client that asks reads its text as it stands.
#pragma once
#include <QLineEdit>

namespace vexlar {

void TellChangesOncePerSecond(QLineEdit* box);

}  // namespace vexlar
