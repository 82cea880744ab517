#pragma once

#include "TrackDocument.h"

#include <cstdint>

// The lift and the transport groups of a segment record hold the same settings under different
// names; the panels that show them and the editors that write them work on either through
// these field tables.
namespace mMain {

struct MotorFields {
    uint8_t mKavrano_TrackIO_1_3::TrackSegment::*Style;
    bool mKavrano_TrackIO_1_3::TrackSegment::*LeftRailing;
    bool mKavrano_TrackIO_1_3::TrackSegment::*RightRailing;
    float mKavrano_TrackIO_1_3::TrackSegment::*Speed;
    float mKavrano_TrackIO_1_3::TrackSegment::*Accel;
    float mKavrano_TrackIO_1_3::TrackSegment::*Decel;
};

inline constexpr MotorFields kLiftFields = {
    &mKavrano_TrackIO_1_3::TrackSegment::LiftStyle,
    &mKavrano_TrackIO_1_3::TrackSegment::LiftLeftRailing,
    &mKavrano_TrackIO_1_3::TrackSegment::LiftRightRailing,
    &mKavrano_TrackIO_1_3::TrackSegment::LiftMotorSpeed,
    &mKavrano_TrackIO_1_3::TrackSegment::LiftMotorAccel,
    &mKavrano_TrackIO_1_3::TrackSegment::LiftMotorDecel,
};

inline constexpr MotorFields kTransportFields = {
    &mKavrano_TrackIO_1_3::TrackSegment::TransportStyle,
    &mKavrano_TrackIO_1_3::TrackSegment::TransportLeftRailing,
    &mKavrano_TrackIO_1_3::TrackSegment::TransportRightRailing,
    &mKavrano_TrackIO_1_3::TrackSegment::TransportMotorSpeed,
    &mKavrano_TrackIO_1_3::TrackSegment::TransportMotorAccel,
    &mKavrano_TrackIO_1_3::TrackSegment::TransportMotorDecel,
};

} // namespace mMain
