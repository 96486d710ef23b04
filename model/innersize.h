#pragma once

#include <cstdint>
#include <span>

#include "zamo_abi.h"

class CChamber;

// What the customer gets inside the walls, and what the camera takes up
// outside them. The reference line runs through the middle of the walls, so
// the outer sizes are the reference extents plus a thickness, the inside
// ones minus a thickness; floor and ceiling add a thickness each to the
// height.
struct CameraSizes {
  int64_t outerWidth = 0;
  int64_t outerDepth = 0;
  int64_t outerHeight = 0;
  int64_t innerWidth = 0;
  int64_t innerDepth = 0;
  int64_t innerHeight = 0;
};

CameraSizes MeasureCameraSizes(const CChamber& camera);

// The floor area inside the walls, m²: the area the outline encloses less a
// half-thickness strip along every wall. For an outline of horizontal and
// vertical steps that is A - P·t/2 + t² (the four more outer than inner
// corners each give back a t/2 square). An outline that is not a closed
// chain, or walls too thick for what they enclose, give 0.
double InnerFloorArea(const CChamber& camera);

// The volume the quotation states, m³, from the ceiling panels: their area,
// less a thickness along every place where strips of another length meet
// the previous ones, less the walls' share along the plan lengths A and B
// (2·A·t and 2·B·t), times the inner height. The quotation states this
// figure, so the printed page states this one too.
double InnerVolumeFromCeiling(std::span<const FloorPanelTally> ceiling, int32_t lengthA, int32_t lengthB,
                              int32_t thickness, int32_t innerHeight);

// The camera's inner volume, m³, as its quotation states it: from its
// ceiling panels. A plan whose floor is not fully divided yet has no ceiling
// panels to count; it gets the inner floor area times the inner height. An
// L-shaped camera gets what it encloses, never its bounding box.
double CameraInnerVolume(const CChamber& camera);
