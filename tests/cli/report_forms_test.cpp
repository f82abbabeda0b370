// The forms of "kirv report": the window's texts laid out as text, the rows as CSV, everything
// with its octets as JSON, from one totals computation of a known archive.

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <array>
#include <regex>
#include <string>
#include <vector>

#include "archive/temp_directory.h"
#include "cli/report_json.h"
#include "totals/totals_computation.h"

namespace kirv {
namespace {

const DateTime kToday{2026, 4, 20};

// Oldest first: a day of March, a small day and today's two records of 1 Mio.
const std::vector<testing::ArchiveLine> kArchive = {
    {{2026, 3, 15, 12, 5, 0}, 2048, 1000},
    {{2026, 4, 19, 12, 5, 0}, 500, 1500},
    {{2026, 4, 20, 12, 5, 0}, 1048576, 2048},
    {{2026, 4, 20, 12, 10, 0}, 1048576, 2048},
};

class ReportFormsTest : public testing::TempDirectoryTest {
 protected:
  TotalsReport Report(const std::string& name) {
    WriteArchive(name, kArchive);
    return *TotalsComputation().Run(name, kToday, NumberFormat{'.'});
  }
};

TEST_F(ReportFormsTest, TextShowsTheGroupsAndBothGridsWithTheWindowsTexts) {
  const TotalsReport report = Report("eth0.mdf");
  EXPECT_EQ(TotalsReportText("/data/eth0.mdf", report, NumberFormat{'.'}),
            "/data/eth0.mdf\n"
            "\n"
            "Totaux/Prévisions\n"
            "  Transferts d'aujourd'hui\n"
            "    Récéption:        2Mo\n"
            "    Envoi:            0Mo\n"
            "    Deux directions:  2Mo\n"
            "  Prévisions sur le mois\n"
            "    Récéption:        3Mo\n"
            "    Envoi:            0Mo\n"
            "    Deux directions:  3Mo\n"
            "  Transferts depuis le 15/3/2026\n"
            "    Récéption:        2Mo\n"
            "    Envoi:            0Mo\n"
            "    Deux directions:  2Mo\n"
            "\n"
            "Stats Journalières\n"
            "  Date       DL       UL       Total\n"
            "  20/4/2026  2 Mo     0 Mo     2 Mo\n"
            "  19/4/2026  0.48 Ko  1.46 Ko  1.95 Ko\n"
            "  15/3/2026  2 Ko     0.97 Ko  2.97 Ko\n"
            "\n"
            "Stats Mensuelles\n"
            "  Date    DL    UL       Total\n"
            "  4/2026  2 Mo  0 Mo     2 Mo\n"
            "  3/2026  2 Ko  0.97 Ko  2.97 Ko\n");
}

TEST_F(ReportFormsTest, CsvGivesEveryDayAndMonthInOctetsNewestFirst) {
  const TotalsReport report = Report("eth0.mdf");
  EXPECT_EQ(TotalsCsvHeading() + TotalsCsvRows("/data/eth0.mdf", report),
            "archive,period,date,received,sent,total\r\n"
            "/data/eth0.mdf,day,2026-04-20,2097152,4096,2101248\r\n"
            "/data/eth0.mdf,day,2026-04-19,500,1500,2000\r\n"
            "/data/eth0.mdf,day,2026-03-15,2048,1000,3048\r\n"
            "/data/eth0.mdf,month,2026-04,2097652,5596,2103248\r\n"
            "/data/eth0.mdf,month,2026-03,2048,1000,3048\r\n");
}

TEST_F(ReportFormsTest, CsvQuotesAnArchiveNameWithACommaOrAQuote) {
  const TotalsReport report = Report("a.mdf");
  const std::string rows = TotalsCsvRows("/data/Carte, \"rapide\".mdf", report);
  EXPECT_EQ(rows.substr(0, rows.find("\r\n")),
            "\"/data/Carte, \"\"rapide\"\".mdf\",day,2026-04-20,2097152,4096,2101248");
}

TEST_F(ReportFormsTest, AnArchiveWithoutRecordsGivesNoCsvRow) {
  WriteFile("empty.mdf", "");
  const TotalsReport report = *TotalsComputation().Run("empty.mdf", kToday, NumberFormat{'.'});
  EXPECT_EQ(TotalsCsvRows("empty.mdf", report), "");
}

TEST_F(ReportFormsTest, JsonHoldsTheTextsBesideTheirOctets) {
  const TotalsReport report = Report("eth0.mdf");
  const QJsonObject json = TotalsJson(QStringLiteral("/data/eth0.mdf"), kToday, report);
  EXPECT_EQ(json[QStringLiteral("archive")].toString(), QStringLiteral("/data/eth0.mdf"));
  EXPECT_EQ(json[QStringLiteral("date")].toString(), QStringLiteral("2026-04-20"));
  EXPECT_EQ(json[QStringLiteral("skippedRecords")].toInteger(), 0);

  const QJsonObject today = json[QStringLiteral("today")].toObject();
  EXPECT_EQ(today[QStringLiteral("caption")].toString(),
            QStringLiteral("Transferts d'aujourd'hui"));
  EXPECT_EQ(today[QStringLiteral("received")].toString(), QStringLiteral("2Mo"));
  EXPECT_EQ(today[QStringLiteral("receivedOctets")].toInteger(), 2097152);
  EXPECT_EQ(today[QStringLiteral("sentOctets")].toInteger(), 4096);
  EXPECT_EQ(today[QStringLiteral("bothOctets")].toInteger(), 2101248);

  // The month so far, 2097652 octets in 20 days, over the 30 days of April.
  const QJsonObject forecast = json[QStringLiteral("forecast")].toObject();
  EXPECT_EQ(forecast[QStringLiteral("receivedOctets")].toInteger(), 3146478);
  EXPECT_EQ(forecast[QStringLiteral("sentOctets")].toInteger(), 8394);

  const QJsonObject since = json[QStringLiteral("since")].toObject();
  EXPECT_EQ(since[QStringLiteral("caption")].toString(),
            QStringLiteral("Transferts depuis le 15/3/2026"));
  EXPECT_EQ(since[QStringLiteral("firstDay")].toString(), QStringLiteral("2026-03-15"));
  EXPECT_EQ(since[QStringLiteral("receivedOctets")].toInteger(), 2099700);

  const QJsonArray daily = json[QStringLiteral("daily")].toArray();
  ASSERT_EQ(daily.size(), 3);
  const QJsonObject small = daily[1].toObject();
  EXPECT_EQ(small[QStringLiteral("date")].toString(), QStringLiteral("19/4/2026"));
  EXPECT_EQ(small[QStringLiteral("iso")].toString(), QStringLiteral("2026-04-19"));
  EXPECT_EQ(small[QStringLiteral("received")].toString(), QStringLiteral("0.48 Ko"));
  EXPECT_EQ(small[QStringLiteral("totalOctets")].toInteger(), 2000);
  const QJsonArray monthly = json[QStringLiteral("monthly")].toArray();
  ASSERT_EQ(monthly.size(), 2);
  EXPECT_EQ(monthly[0].toObject()[QStringLiteral("iso")].toString(), QStringLiteral("2026-04"));
  EXPECT_EQ(monthly[0].toObject()[QStringLiteral("receivedOctets")].toInteger(), 2097652);
}

TEST_F(ReportFormsTest, JsonOfAnArchiveWithoutRecordsHasNoFirstDay) {
  WriteFile("empty.mdf", "");
  const TotalsReport report = *TotalsComputation().Run("empty.mdf", kToday, NumberFormat{'.'});
  const QJsonObject json = TotalsJson(QStringLiteral("empty.mdf"), kToday, report);
  EXPECT_TRUE(json[QStringLiteral("since")].toObject()[QStringLiteral("firstDay")].isNull());
  const QJsonArray daily = json[QStringLiteral("daily")].toArray();
  ASSERT_EQ(daily.size(), 1);  // the window's one empty row
  EXPECT_TRUE(daily[0].toObject()[QStringLiteral("iso")].isNull());
}

TEST_F(ReportFormsTest, SkippedRecordsAreCounted) {
  WriteFile("bad.mdf",
            "F20/04/2026 12:05:00D100U200\r\n"
            "F20/04/2026 12:10:00D100\r\n"      // no "U"
            "F31/02/2026 12:15:00D100U200\r\n"  // no such day
            "F20/04/2026 12:20:00D300U400\r\n");
  const TotalsReport report = *TotalsComputation().Run("bad.mdf", kToday, NumberFormat{'.'});
  EXPECT_EQ(report.skippedRecords, 2u);
  ASSERT_FALSE(report.dailyRows.empty());
  EXPECT_EQ(report.dailyRows.front().receivedOctets, 400u);
}

// A day whose two directions add up past the largest count shows that count as its total, in
// the CSV and in the JSON alike, never a wrapped or negative number.
TEST_F(ReportFormsTest, RowTotalsHoldAtTheLargestCount) {
  WriteFile("full.mdf", "F20/04/2026 00:05:00D9223372036854775807U9223372036854775807\r\n");
  const TotalsReport report = *TotalsComputation().Run("full.mdf", kToday, NumberFormat{'.'});
  const std::string largest = "9223372036854775807";
  EXPECT_EQ(TotalsCsvRows("full.mdf", report),
            "full.mdf,day,2026-04-20," + largest + "," + largest + "," + largest + "\r\n" +
                "full.mdf,month,2026-04," + largest + "," + largest + "," + largest + "\r\n");
  const QJsonObject json = TotalsJson(QStringLiteral("full.mdf"), kToday, report);
  for (const char* grid : {"daily", "monthly"}) {
    const QJsonObject row = json[QLatin1String(grid)].toArray()[0].toObject();
    EXPECT_EQ(row[QStringLiteral("totalOctets")].toInteger(), 9223372036854775807LL) << grid;
  }
}

struct JsonOctetsCase {
  const char* name;
  std::string archive;
  // "today", "forecast" and "since": received, sent and both, as the JSON text holds them.
  std::vector<std::array<const char*, 4>> figures;
};

class JsonOctetsTest : public testing::TempDirectoryTest,
                       public ::testing::WithParamInterface<JsonOctetsCase> {};

// Whole numbers computed without doubles, the forecast rounded down, every sum held at 2^63 - 1.
TEST_P(JsonOctetsTest, AreExactIntegersHeldAtTheLargestCount) {
  WriteFile("a.mdf", GetParam().archive);
  const TotalsReport report = *TotalsComputation().Run("a.mdf", kToday, NumberFormat{'.'});
  const std::string text = TotalsJsonText(QStringLiteral("a.mdf"), kToday, report).toStdString();
  for (const auto& [group, received, sent, both] : GetParam().figures) {
    const std::regex figures(
        "\"" + std::string(group) + "\":\\{\"both\":\"[^\"]*\",\"bothOctets\":" + both +
        ",[^}]*\"receivedOctets\":" + received + ",[^}]*\"sentOctets\":" + sent + "[,}]");
    EXPECT_TRUE(std::regex_search(text, figures)) << group << " in " << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, JsonOctetsTest,
    ::testing::Values(
        JsonOctetsCase{
            "SaturatedDay",
            "F20/04/2026 00:05:00D9223372036854775807U9223372036854775807\r\n",
            {{"today", "9223372036854775807", "9223372036854775807", "9223372036854775807"},
             {"forecast", "9223372036854775807", "9223372036854775807", "9223372036854775807"},
             {"since", "9223372036854775807", "9223372036854775807", "9223372036854775807"}}},
        // 7 and 3 octets in 20 days of April's 30: 10.5 and 4.5, both 15.
        JsonOctetsCase{
            "ForecastRoundedDown",
            "F01/04/2026 00:05:00D7U3\r\n",
            {{"today", "0", "0", "0"}, {"forecast", "10", "4", "15"}, {"since", "7", "3", "10"}}},
        // (2^62 + 1) × 30 ÷ 20, beyond what a double holds exactly.
        JsonOctetsCase{"ForecastBeyondTheDoubles",
                       "F20/04/2026 00:05:00D4611686018427387905U1\r\n",
                       {{"today", "4611686018427387905", "1", "4611686018427387906"},
                        {"forecast", "6917529027641081857", "1", "6917529027641081859"}}}),
    [](const ::testing::TestParamInfo<JsonOctetsCase>& info) { return info.param.name; });

struct JsonTextCase {
  const char* name;
  std::string archive;  // the bytes of the archive file
  QString path;         // the path the report names
  NumberFormat format;
};

class JsonTextTest : public testing::TempDirectoryTest,
                     public ::testing::WithParamInterface<JsonTextCase> {};

// The JSON written directly is the compact form QJsonDocument gives of the same object, byte for
// byte: keys in its order, its numbers and its escapes.
TEST_P(JsonTextTest, IsWhatQJsonDocumentWrites) {
  const JsonTextCase& c = GetParam();
  WriteFile("a.mdf", c.archive);
  const TotalsReport report = *TotalsComputation().Run("a.mdf", kToday, c.format);
  const QByteArray text = TotalsJsonText(c.path, kToday, report);
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(text, &error);
  ASSERT_EQ(error.error, QJsonParseError::NoError) << text.toStdString();
  EXPECT_EQ(document.toJson(QJsonDocument::Compact).toStdString(), text.toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Reports, JsonTextTest,
    ::testing::Values(
        JsonTextCase{"EmptyArchive", "", QStringLiteral("/data/empty.mdf"), NumberFormat{'.'}},
        JsonTextCase{"DaysAndMonthsWithAForecastFraction",
                     "F28/02/2026 23:55:00D1048577U3\r\nF19/04/2026 12:00:00D7777777U12345\r\n"
                     "F20/04/2026 00:05:00D1U0\r\nbad line\r\n",
                     QStringLiteral("/data/eth0.mdf"), NumberFormat{'.'}},
        JsonTextCase{"CountsAtTheLargestCount",
                     "F20/04/2026 00:05:00D9223372036854775807U9223372036854775807\r\n"
                     "F20/04/2026 00:10:00D1U1\r\n",
                     QStringLiteral("/data/eth0.mdf"), NumberFormat{'.'}},
        JsonTextCase{"PathWithQuotesBackslashTabAndAccents", "F20/04/2026 00:05:00D1U2\r\n",
                     QStringLiteral("/data/a \"b\"\\c\td\u00e9\u2028\x01.mdf"), NumberFormat{'.'}},
        JsonTextCase{"CommaAsDecimalSeparator", "F20/04/2026 00:05:00D1500000U2500\r\n",
                     QStringLiteral("/data/eth0.mdf"), NumberFormat{','}},
        JsonTextCase{"QuoteAsDecimalSeparator", "F20/04/2026 00:05:00D1500000U2500\r\n",
                     QStringLiteral("/data/eth0.mdf"), NumberFormat{'"'}}),
    [](const ::testing::TestParamInfo<JsonTextCase>& info) { return info.param.name; });

struct IsoCase {
  const char* name;
  const char* key;
  const char* iso;
};

class IsoDateTest : public ::testing::TestWithParam<IsoCase> {};

TEST_P(IsoDateTest, WritesTheKeyAsAnIsoDate) {
  EXPECT_EQ(IsoDateOfKey(GetParam().key), GetParam().iso);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, IsoDateTest,
    ::testing::Values(IsoCase{"OneDigitDayAndMonth", "7/3/2004", "2004-03-07"},
                      IsoCase{"TwoDigitDayAndMonth", "31/12/2026", "2026-12-31"},
                      IsoCase{"Month", "3/2004", "2004-03"},
                      IsoCase{"TwoDigitMonth", "11/2026", "2026-11"}),
    [](const ::testing::TestParamInfo<IsoCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
