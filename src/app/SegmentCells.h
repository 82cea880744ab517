#pragma once

#include "SegmentFieldTable.h"

#include <QString>

#include <variant>

// A segment field as a cell of the segment table shows it and as a typed or pasted text sets
// it: the panels' units and number texts, a choice by its caption, a check box as true or
// false, a colour as #RRGGBB.
namespace mMain {

using mKavrano_TrackIO_1_3::FieldValue;
using mKavrano_TrackIO_1_3::SegmentField;

QString CellText(const mKavrano_TrackIO_1_3::TrackSegment& s, const SegmentField& field);

// `text` as a value of the field, or why it is not one ("is not a number").
std::variant<FieldValue, QString> ParseCell(const SegmentField& field, const QString& text);

// A column title from a field name: "BrakeSpeedLimit" in km/h is "Brake Speed Limit (kmph)".
QString FieldTitle(const SegmentField& field);

} // namespace mMain
