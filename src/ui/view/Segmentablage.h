// A segment carried by the mouse from a drawing to a table: its drag format and its contents.
#pragma once

#include <QByteArray>
#include <QMimeData>

/// The drag format of a segment: "surface segment" as text.
inline constexpr const char* SegmentMimeTyp = "application/x-velion-segment";

inline QMimeData* SegmentDaten(int flaeche, int segment)
{
    auto* daten = new QMimeData;
    daten->setData(QString::fromLatin1(SegmentMimeTyp), QByteArray::number(flaeche) + ' ' + QByteArray::number(segment));
    return daten;
}
