// The referral destination, from the row chosen in "Ti&ll:" to the stored code, the receipt shown
// again and the REM segment of the ARV file: every row, since each is a code of its own.

#include "desk/desk_scenario.h"

#include "data/visitfile.h"
#include "reports/arvfile.h"

namespace {

TEST_F(DeskScenario, EachRowOfTillReachesTheVisitFileTheDisplayAndTheArvFile)
{
    start(2);
    const struct {
        int row;
        QByteArray stored, rem; // the code stored, and the REM segment it gives ("00": none)
    } rows[] = {{0, "00", ""}, {1, "01", "REM\r\n01\r\n"}, {2, "02", "REM\r\n02\r\n"}, {3, "03", "REM\r\n03\r\n"}};
    for (const auto& r : rows) {
        app.click(desk->cmdNästa);
        typeAndLeave(desk->txtPersonnummer, u"191212121212"_s);
        app.select(desk->lstRemissTill, r.row);
        app.click(desk->cmdRegistrera);
    }
    ASSERT_EQ(visitFile().size(), 6 * 95);
    VisitTable stored;
    ASSERT_TRUE(visitfile::HämtaBesöksFil(QDir(dir.path()), stored));

    for (int i = 0; i < 4; ++i) {
        const int n = 3 + i;
        SCOPED_TRACE(rows[i].stored.toStdString());
        EXPECT_EQ(field(storedRecord(n), VisitField::RemissTill), rows[i].stored);
        gåTill(QString::number(n)); // each row differs from the one shown before
        visar({.kvitto = QString::number(n), .lstRemissTill = rows[i].row});
        const arvfile::Interchange arv = arvfile::build(stored, n, QString::number(n), "12345ABCD67",
                                                        u"261208"_s, u"0930"_s);
        ASSERT_TRUE(arv.ok()) << arv.error.toStdString();
        EXPECT_TRUE(arv.bytes.contains("ATG\r\nA001\r\n" + rows[i].rem + "UNT\r\n")) << arv.bytes.toStdString();
    }
    EXPECT_TRUE(dialogs.messages().empty());
}

} // namespace
