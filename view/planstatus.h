#pragma once

#include <QPoint>
#include <QString>

class CChamber;
class CPixelMapping;

// What the status bar says of the plan under the pointer: the outline wall
// with its length as the chains show it (outer, or clear between the inner
// faces), the partition with its length, the panel under the pointer with
// its width and kind, or the floor strip with its size. Empty over nothing.
QString DescribeUnderPointer(CChamber& camera, const CPixelMapping& mapping, QPoint pixel, bool inside);

// Whether the plans show the clear sizes between the inner faces; the
// choice is kept in the user's settings and holds for every camera window.
bool InsideDimensionsShown();
void SetInsideDimensionsShown(bool inside);
