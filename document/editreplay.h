#pragma once

#include <memory>
#include <span>

#include "chamber.h"
#include "editrecord.h"

// Performs one record on `camera`: the replay action of its operation code,
// and equally the way a live edit changes the camera, so that what the
// window shows and what a reload rebuilds cannot drift apart.
//
// False, with the camera unchanged, when the record is skipped: an unknown
// code or fewer data words than the code reads (kBadArgument), an index that
// names no wall, partition, panel or floor strip (kNoSuchWall /
// kNoSuchPanel), or any refusal of the model operation (values that would
// overflow or build absurd geometry). Extra words are ignored.
bool ApplyEditRecord(CChamber& camera, const EditRecord& record, EditRefusal* why = nullptr);

// A fresh camera built by applying `log` in order; skipped records leave no
// trace. A log without a valid creation record gives an empty camera.
std::unique_ptr<CChamber> ReplayEditLog(std::span<const EditRecord> log);
