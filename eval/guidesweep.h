#pragma once

#include <vector>

#include "eval/geom.h"

namespace velmor {

// The shapes that cutting one layer's guides at all their edges and merging
// the pieces along `ax` first, then across, gives; ordered by low edge
// across, then low edge along. The pieces can be cubic in number, so they
// are never made: the cells of one row (between neighbouring edges across)
// merge into the runs of the union of the closed extents of the guides that
// span the row, and a guide of zero extent across lies in a row of its own. A
// run then stacks with equal runs of the rows next to it, and a zero-extent
// row never breaks a stack. So a sweep across the rows keeps, for each run of
// the union, the edge where it began, and ends it when the run changes: the
// work follows the number of guides plus the number of merged shapes.
// `guides` holds at least one shape; all on one layer, corners normalised.
void mergeGuides(const std::vector<Shape>& guides, const ShapeAxis& ax, std::vector<Shape>& out);

}  // namespace velmor
