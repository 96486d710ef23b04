#pragma once

#include <span>
#include <string_view>

#include "cameradocument.h"
#include "jsonwriter.h"

// The whole state of a camera document as `zamo-cli dump` prints it: texts,
// sizes and flags, window origin and scale, walls, partitions, floor strips
// and cut chain, the side lists, the printed dimension values, the panel
// tallies handed to pricing, and the edit log. Two documents that dump
// alike show and price alike, which is what the round-trip tests compare.
CJson CameraDocumentJson(const CCameraDocument& document);
// The same for a camera and the texts and log that go with it.
CJson CameraJson(const CChamber& camera, std::u16string_view article, std::u16string_view description,
                 std::span<const EditRecord> log);
