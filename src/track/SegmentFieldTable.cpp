#include "SegmentFieldTable.h"

#include <iterator>

namespace mKavrano_TrackIO_1_3 {

namespace {

using S = TrackSegment;
using enum FieldUnit;

// The name is the member's own, so that the two cannot drift apart.
#define SEGMENT_FIELD(member, type, ...)                                                           \
    SegmentField {                                                                                 \
#member, type, &S::member __VA_OPT__(, ) __VA_ARGS__                                       \
    }

constexpr SegmentField kFields[] = {
    SEGMENT_FIELD(SpineColour, kEveryType),
    SEGMENT_FIELD(RailsColour, kEveryType),
    SEGMENT_FIELD(CrosstieColour, kEveryType),
    SEGMENT_FIELD(CustomColours, kEveryType),
    SEGMENT_FIELD(Tunnel, kEveryType),

    SEGMENT_FIELD(StationWaitAverage, SegStation, Seconds),
    SEGMENT_FIELD(StationWaitMinimum, SegStation, Seconds),
    SEGMENT_FIELD(StationWaitMaximum, SegStation, Seconds),
    SEGMENT_FIELD(StationWaitDeviation, SegStation, Seconds),
    SEGMENT_FIELD(StationWaitSync, SegStation),
    SEGMENT_FIELD(StationMainBrakeDecel, SegStation, G),
    SEGMENT_FIELD(StationEntrance, SegStation, AsStored,
                  {{{"Left Entrance", "left"}, {"Right Entrance", "right"}}}),
    SEGMENT_FIELD(StationBaseOnly, SegStation),
    SEGMENT_FIELD(StationNoBuilding, SegStation),
    SEGMENT_FIELD(StationWheels, SegStation),
    SEGMENT_FIELD(StationWheelsSpeed, SegStation, Kmph),
    SEGMENT_FIELD(StationWheelsAccel, SegStation, G),
    SEGMENT_FIELD(StationWheelsDecel, SegStation, G),
    SEGMENT_FIELD(StationPreBrake, SegStation),
    SEGMENT_FIELD(StationPreBrakeSpeedLimit, SegStation, Kmph),
    SEGMENT_FIELD(StationPreBrakeDecel, SegStation, G),
    SEGMENT_FIELD(StationPreBrakeHysteresis, SegStation, Kmph),

    SEGMENT_FIELD(LiftMotorSpeed, SegLift, Kmph),
    SEGMENT_FIELD(LiftMotorAccel, SegLift, G),
    SEGMENT_FIELD(LiftMotorDecel, SegLift, G),
    SEGMENT_FIELD(LiftStyle, SegLift, AsStored,
                  {{{"Chain", "chain"}, {"Transport Wheels", "wheels"}}}),
    SEGMENT_FIELD(LiftLeftRailing, SegLift),
    SEGMENT_FIELD(LiftRightRailing, SegLift),

    SEGMENT_FIELD(TransportMotorSpeed, SegTransport, Kmph),
    SEGMENT_FIELD(TransportMotorAccel, SegTransport, G),
    SEGMENT_FIELD(TransportMotorDecel, SegTransport, G),
    SEGMENT_FIELD(TransportStyle, SegTransport, AsStored,
                  {{{"L.I.M.", "lim"}, {"Transport Wheels", "wheels"}}}),
    SEGMENT_FIELD(TransportLeftRailing, SegTransport),
    SEGMENT_FIELD(TransportRightRailing, SegTransport),

    SEGMENT_FIELD(BrakeBlock, SegBrake),
    SEGMENT_FIELD(BrakeCompleteStop, SegBrake),
    SEGMENT_FIELD(BrakeSpeedLimit, SegBrake, Kmph),
    SEGMENT_FIELD(BrakeDecel, SegBrake, G),
    SEGMENT_FIELD(BrakeHysteresis, SegBrake, Kmph),
    SEGMENT_FIELD(BrakeWheels, SegBrake),
    SEGMENT_FIELD(BrakeWheelsSpeed, SegBrake, Kmph),
    SEGMENT_FIELD(BrakeWheelsAccel, SegBrake, G),
    SEGMENT_FIELD(BrakeWheelsDecel, SegBrake, G),
    SEGMENT_FIELD(BrakeTriggerPos, SegBrake),
    SEGMENT_FIELD(BrakeLeftRailing, SegBrake),
    SEGMENT_FIELD(BrakeRightRailing, SegBrake),
};

#undef SEGMENT_FIELD

} // namespace

std::span<const SegmentField> SegmentFields() {
    return kFields;
}

const SegmentField* FindSegmentField(std::string_view name) {
    for (const SegmentField& f : kFields) {
        if (f.Name == name)
            return &f;
    }
    return nullptr;
}

const SegmentField* FindSegmentField(const FieldMember& member) {
    for (const SegmentField& f : kFields) {
        if (f.Member == member)
            return &f;
    }
    return nullptr;
}

FieldKind KindOf(const SegmentField& field) {
    switch (field.Member.index()) {
    case 0:
        return FieldKind::Boolean;
    case 1:
        return field.Choices[0].Caption.empty() ? FieldKind::Flag : FieldKind::Choice;
    case 2:
        return FieldKind::ColourValue;
    default:
        return FieldKind::Single;
    }
}

bool Carries(const TrackSegment& s, const SegmentField& field) {
    return field.Type == kEveryType || s.SegmentType == field.Type;
}

FieldValue ReadField(const TrackSegment& s, const SegmentField& field) {
    return std::visit([&s](auto member) { return FieldValue(s.*member); }, field.Member);
}

void WriteField(TrackSegment& s, const SegmentField& field, const FieldValue& value) {
    std::visit(
        [&](auto member) {
            using T = std::remove_reference_t<decltype(s.*member)>;
            s.*member = std::get<T>(value);
        },
        field.Member);
}

} // namespace mKavrano_TrackIO_1_3
