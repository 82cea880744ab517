#pragma once

// Small hand-made documents for the tracer tests.
#include "TrackDocument.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace test_tracks {

inline mKavrano_TrackIO_1_3::BezierNode Node(Vector3D position, Vector3D controlIn,
                                             Vector3D controlOut, float roll = 0.0f,
                                             bool relative = false) {
    mKavrano_TrackIO_1_3::BezierNode node;
    node.Position = position;
    node.ControlIn = controlIn;
    node.ControlOut = controlOut;
    node.Roll = roll;
    node.RelativeRoll = relative;
    return node;
}

// One segment per node; the last segment runs back to node 0.
inline mKavrano_TrackIO_1_3::TrackDocument
TrackOf(std::vector<mKavrano_TrackIO_1_3::BezierNode> nodes, bool closed = false) {
    mKavrano_TrackIO_1_3::TrackDocument doc;
    doc.BezierCount = doc.SegmentCount = static_cast<int32_t>(nodes.size());
    doc.BezierNodes = std::move(nodes);
    doc.Segments.resize(doc.BezierNodes.size());
    for (size_t i = 0; i < doc.Segments.size(); ++i)
        doc.Segments[i].SegmentType = static_cast<int32_t>(i % 5);
    doc.TrackClosed = closed;
    return doc;
}

// Nodes every `spacing` units along -Z from the origin, controls a third of the way to
// their neighbours (so each curve runs at constant speed), rolls as given.
inline std::vector<mKavrano_TrackIO_1_3::BezierNode> StraightNodes(int count, float spacing) {
    std::vector<mKavrano_TrackIO_1_3::BezierNode> nodes;
    for (int i = 0; i < count; ++i) {
        const float z = -spacing * static_cast<float>(i);
        nodes.push_back(Node({0, 0, z}, {0, 0, z + spacing / 3}, {0, 0, z - spacing / 3}));
    }
    return nodes;
}

} // namespace test_tracks
