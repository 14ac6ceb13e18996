#include "config/ConfigImage.h"
#include "config/DispMode.h"

#include <QtTest>
#include <cstring>
#include <numeric>

namespace {

QString Middle(int klass, int n) {
    return QString::fromStdString(CataloguePage(klass, n)[1]);
}

// The offered pages as ranges "a-b", for comparing with the meter's page lists.
QStringList Ranges(const std::vector<int>& pages) {
    QStringList out;
    for (size_t i = 0; i < pages.size();) {
        size_t j = i;
        while (j + 1 < pages.size() && pages[j + 1] == pages[j] + 1)
            ++j;
        out << QStringLiteral("%1-%2").arg(pages[i]).arg(pages[j]);
        i = j + 1;
    }
    return out;
}

} // namespace

class DispModeTest : public QObject {
    Q_OBJECT
  private slots:
    void catalogues_data() {
        QTest::addColumn<int>("klass");
        QTest::addColumn<bool>("inOut");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("class 0 inc/out") << 0 << true << QStringList{"1-13", "18-41", "56-104"};
        QTest::newRow("class 0 ind/cap") << 0 << false << QStringList{"1-17", "22-55", "70-104"};
        QTest::newRow("class 1 inc/out") << 1 << true << QStringList{"1-17", "22-49", "64-168"};
        QTest::newRow("class 2 inc/out") << 2 << true << QStringList{"1-30", "35-68", "83-187"};
        QTest::newRow("class 2 ind/cap") << 2 << false << QStringList{"1-34", "39-82", "97-187"};
    }
    void catalogues() {
        QFETCH(int, klass);
        QFETCH(bool, inOut);
        QFETCH(QStringList, offered);
        const std::vector<int>& pages = OfferedPages(klass, inOut);
        QCOMPARE(Ranges(pages), offered);
        const std::vector<int>& rows = PageRows(klass);
        QCOMPARE(std::accumulate(rows.begin(), rows.end(), 0), int(pages.size()));
        QCOMPARE(int(pages.size()), CataloguePages(klass) - 18);
        QVERIFY(int(pages.size()) <= 8 * kPageSetBytes);
    }

    void pageLabels() {
        QCOMPARE(Middle(0, 18), QString("EQinc HT"));
        QCOMPARE(Middle(1, 168), QString("H15.I3"));
        // The meter's own labels, trailing blanks included.
        QCOMPARE(Middle(2, 104 + 6), QString("H8.U1 "));
        QCOMPARE(QString::fromStdString(CataloguePage(2, 13, true)[2]), QString("Unb.Imax"));
        // The ninth row of class 0 with incoming/outgoing presentation starts with page 18.
        const std::vector<int>& rows = PageRows(0);
        QCOMPARE(OfferedPages(0, true)[size_t(std::accumulate(rows.begin(), rows.begin() + 8, 0))], 18);
        // Outside the catalogue: nothing, and no table is read past its end.
        QVERIFY(CataloguePage(0, 105) == PageLines{});
        QVERIFY(CataloguePage(2, 0) == PageLines{});
        QCOMPARE(CataloguePages(7), CataloguePages(0));
    }

    void togglingPagesAndRows() {
        uint8_t set[kPageSetBytes] = {};
        QCOMPARE(TogglePageCell(set, 2, 0, 0, false), 1);
        QCOMPARE(int(set[0]), 1);
        // Fifth cell of row 2 in class 2 (8 pages in row 1): bit 4 of byte 1.
        QCOMPARE(TogglePageCell(set, 2, 1, 4, false), 1);
        QCOMPARE(int(set[1]), 0x10);
        // A whole row takes the new state of its first cell.
        QCOMPARE(TogglePageCell(set, 2, 0, 0, true), 0);
        QCOMPARE(int(set[0]), 0);
        QCOMPARE(TogglePageCell(set, 2, 0, 0, true), 1);
        QCOMPARE(int(set[0]), 0xFF);
        QCOMPARE(PagesInSet(set, 169), 9);
        // The last row of class 2 ends at offered page 169: bit 0 of byte 21.
        QCOMPARE(TogglePageCell(set, 2, 23, 13, false), 1);
        QCOMPARE(int(set[21]), 1);
        // Cells beyond a row's pages, and rows beyond the table, carry no page.
        uint8_t before[kPageSetBytes];
        std::memcpy(before, set, sizeof set);
        QCOMPARE(TogglePageCell(set, 2, 1, 5, false), -1);
        QCOMPARE(TogglePageCell(set, 2, 24, 0, false), -1);
        QCOMPARE(TogglePageCell(set, 0, 0, -1, false), -1);
        QVERIFY(std::memcmp(before, set, sizeof set) == 0);
    }

    void setOfModeAndUnofferedBits() {
        ConfigImage c{};
        c.System = 0; // class 0: 86 pages
        c.DispMode = 1;
        QCOMPARE(CurrentPageSet(c), c.User);
        c.DispMode = 2;
        QCOMPARE(CurrentPageSet(c), c.Loop);
        std::memset(c.Loop, 0xFF, sizeof c.Loop);
        std::memset(c.User, 0xFF, sizeof c.User);
        QCOMPARE(PagesInSet(c.Loop, OfferedCount(c)), 86);
        ClearUnofferedPages(c);
        // 86 pages: bytes 0-9 whole, 6 bits of byte 10, nothing after.
        QCOMPARE(int(c.Loop[9]), 0xFF);
        QCOMPARE(int(c.Loop[10]), 0x3F);
        QCOMPARE(int(c.User[11]), 0);
        QCOMPARE(int(c.User[21]), 0);
        QCOMPARE(PagesInSet(c.User, 86), 86);
        // A system code outside the seven known ones is class 0: still in range.
        c.System = 9;
        QCOMPARE(OfferedCount(c), 86);
    }

    void loopTime() {
        ConfigImage c{};
        c.DispMode = 0x83;
        CmSetLoopTime(c, 7);
        QCOMPARE(LoopTimeSeconds(c), 6);
        QCOMPARE(int(c.DispMode), 0x83 | (2 << 3));
        CmSetLoopTime(c, 40);
        QCOMPARE(LoopTimeSeconds(c), 32);
        CmSetLoopTime(c, 0);
        QCOMPARE(LoopTimeSeconds(c), 2);
        QCOMPARE(int(c.DispMode), 0x83);
    }
};

QTEST_GUILESS_MAIN(DispModeTest)
#include "dispmode_test.moc"
