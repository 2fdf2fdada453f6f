#pragma once

class KCNode;

// The chord count of a curve segment, computed fast. The count follows
// from the segment's 100-sample length (KCNode::length()); these functions
// give exactly the same results, only quicker: a curve whose control
// polygon is short enough needs no sampling at all, and the sampling itself
// runs two lanes at a time in the same operation order.
namespace CurveSteps {

// Bit for bit equal to node.length().
double nodeLength(const KCNode& node);

// Equal to CuttingHead::curveSteps(node.length(), scale).
int forNode(const KCNode& node, double scale);

} // namespace CurveSteps
