#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include "common/calendar.h"
#include "totals/totals_report.h"

namespace kirv {

// One archive's report as a JSON object with stable English keys: the window's texts beside the
// octets they show.
//   archive, date ("2026-04-20"), skippedRecords,
//   today, forecast, since: {caption, received, sent, both, receivedOctets, sentOctets,
//                            bothOctets}, since also firstDay ("2016-04-21" or null),
//   daily, monthly: newest first, [{date ("20/4/2026", "4/2026"), iso ("2026-04-20",
//                   "2026-04"), received, sent, total, receivedOctets, sentOctets, totalOctets}]
// The object as QJsonDocument writes it in compact form, byte for byte, written directly: an
// archive of ten years has thousands of rows.
QByteArray TotalsJsonText(const QString& archivePath, const DateTime& date,
                          const TotalsReport& report);
// The same object read back.
QJsonObject TotalsJson(const QString& archivePath, const DateTime& date,
                       const TotalsReport& report);

}  // namespace kirv
