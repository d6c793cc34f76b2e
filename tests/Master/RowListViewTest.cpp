#include "Master/HeaderedList.h"
#include "Master/RowDelegate.h"
#include "Master/RowListView.h"
#include "Master/RowsModel.h"

#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <string>
#include <vector>

using master::RowListView;

namespace {

constexpr int kRowHeight = 16;
constexpr int kWholeRowsShown = 10;

struct NumberRow {
    int number = 0;
    std::string Key() const { return std::to_string(number); }
};

// Remembers which rows it was asked to paint or to put in words.
class RecordingDelegate : public master::RowDelegate {
public:
    explicit RecordingDelegate(master::HeaderedList& list) : RowDelegate(list, kRowHeight, 1) {}
    mutable std::vector<int> painted;
    mutable std::vector<int> spoken;

    QString RowText(int row) const override {
        spoken.push_back(row);
        return QStringLiteral("number %1").arg(row);
    }

protected:
    void PaintRow(QPainter&, const QRect&, int row, const master::RowColours&) const override { painted.push_back(row); }
};

// A list whose viewport shows ten whole rows and half of an eleventh.
struct ListFixture {
    master::HeaderedList list{nullptr, QRect(0, 0, 200, 20 + 2 + kWholeRowsShown * kRowHeight + kRowHeight / 2),
                              {{"Number", 100}}};
    master::RowsModel<NumberRow> rows;
    RecordingDelegate* delegate = new RecordingDelegate(list);

    explicit ListFixture(int count) {
        Fill(count);
        list.SetModel(&rows, delegate);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
    }
    void Fill(int count) {
        std::vector<NumberRow> numbers(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) numbers[static_cast<std::size_t>(i)].number = i;
        rows.SetRows(std::move(numbers));
    }
    RowListView& View() const { return *list.List(); }
    bool Shown(int row) const { return View().viewport()->rect().contains(View().RowRect(row)); }
};

}  // namespace

class RowListViewTest : public QObject {
    Q_OBJECT
private slots:
    // The selected row's colours are readable on it, in a light and in a
    // dark palette; plain rows keep the program's own colours.
    void theSelectedRowsColoursCanBeRead() {
        QPalette dark;
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 230));
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        for (const QPalette& palette : {QApplication::palette(), dark}) {
            const master::RowColours selected(palette, true);
            for (const QColor& colour : {selected.Text(), selected.Shown(Qt::red), selected.Shown(QColor(128, 128, 128))})
                QVERIFY2(master::RowColours::Contrast(colour, selected.Background()) >= 4.5,
                         qPrintable(colour.name() + " on " + selected.Background().name()));
            QVERIFY(selected.Shown(Qt::red) != selected.Shown(QColor(128, 128, 128)));
        }
        const master::RowColours plain(QApplication::palette(), false);
        QCOMPARE(plain.Shown(QColor(128, 128, 128)), QColor(128, 128, 128));
        QCOMPARE(plain.Text(), QColor(Qt::black));

        // On a dark list background the black text and the program's own
        // colours could not be read: they are lightened as little as needed.
        const master::RowColours darkPlain(dark, false);
        QCOMPARE(darkPlain.Text(), QColor(230, 230, 230));
        for (const QColor& colour : {darkPlain.Shown(Qt::red), darkPlain.Shown(QColor(128, 128, 128))})
            QVERIFY2(master::RowColours::Contrast(colour, darkPlain.Background()) >= 4.5, qPrintable(colour.name()));
        QVERIFY(darkPlain.Shown(Qt::red).red() > darkPlain.Shown(Qt::red).green());  // still red
    }

    void deleteIsOfferedToTheListsOwner() {
        ListFixture f(30);
        QSignalSpy deletes(&f.View(), &RowListView::DeletePressed);
        f.View().SelectRow(3);
        QTest::keyClick(&f.View(), Qt::Key_Delete);
        QCOMPARE(deletes.count(), 1);
        QTest::keyClick(&f.View(), Qt::Key_Delete, Qt::ShiftModifier);
        QCOMPARE(deletes.count(), 1);
        QCOMPARE(f.View().SelectedRow(), 3);
    }

    void keysMoveTheSelectionAndKeepItInView() {
        ListFixture f(100);
        QCOMPARE(f.View().SelectedRow(), -1);
        QTest::keyClick(&f.View(), Qt::Key_Down);
        QCOMPARE(f.View().SelectedRow(), 0);
        QTest::keyClick(&f.View(), Qt::Key_Up);
        QCOMPARE(f.View().SelectedRow(), 0);
        QTest::keyClick(&f.View(), Qt::Key_PageDown);
        QCOMPARE(f.View().SelectedRow(), kWholeRowsShown);
        QVERIFY(f.Shown(kWholeRowsShown));
        QTest::keyClick(&f.View(), Qt::Key_End);
        QCOMPARE(f.View().SelectedRow(), 99);
        QVERIFY(f.Shown(99));
        QTest::keyClick(&f.View(), Qt::Key_Down);
        QCOMPARE(f.View().SelectedRow(), 99);
        QTest::keyClick(&f.View(), Qt::Key_PageUp);
        QCOMPARE(f.View().SelectedRow(), 99 - kWholeRowsShown);
        QTest::keyClick(&f.View(), Qt::Key_Home);
        QCOMPARE(f.View().SelectedRow(), 0);
        QVERIFY(f.Shown(0));
    }

    void keysOnAnEmptyListSelectNothing() {
        ListFixture f(0);
        QSignalSpy changed(&f.View(), &RowListView::SelectionChanged);
        QTest::keyClick(&f.View(), Qt::Key_Down);
        QTest::keyClick(&f.View(), Qt::Key_End);
        QCOMPARE(f.View().SelectedRow(), -1);
        QCOMPARE(changed.count(), 0);
    }

    void clicksSelectTheRowUnderThePointer() {
        ListFixture f(5);
        QSignalSpy changed(&f.View(), &RowListView::SelectionChanged);
        QSignalSpy doubleClicked(&f.View(), &RowListView::RowDoubleClicked);
        QTest::mouseClick(f.View().viewport(), Qt::LeftButton, {}, f.View().RowRect(2).center());
        QCOMPARE(f.View().SelectedRow(), 2);
        QTest::mouseClick(f.View().viewport(), Qt::LeftButton, {}, f.View().RowRect(2).center());
        QCOMPARE(changed.count(), 1);  // the same row again changes nothing
        QTest::mouseClick(f.View().viewport(), Qt::LeftButton, {}, f.View().RowRect(7).center());
        QCOMPARE(f.View().SelectedRow(), 2);  // below the last row
        QTest::mouseDClick(f.View().viewport(), Qt::LeftButton, {}, f.View().RowRect(4).center());
        QCOMPARE(f.View().SelectedRow(), 4);
        QCOMPARE(doubleClicked.count(), 1);
        QCOMPARE(doubleClicked.first().first().toInt(), 4);
    }

    void aRefillDropsTheSelectionQuietly() {
        ListFixture f(50);
        f.View().SelectRow(40);
        QSignalSpy changed(&f.View(), &RowListView::SelectionChanged);
        f.Fill(20);
        QCOMPARE(f.View().SelectedRow(), -1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(f.View().verticalScrollBar()->maximum(), 20 - kWholeRowsShown);
        f.View().SelectRow(20);  // out of range: no selection, said aloud
        QCOMPARE(f.View().SelectedRow(), -1);
        QCOMPARE(changed.count(), 1);
    }

    void onlyTheRowsInViewArePainted() {
        ListFixture f(1'000'000);
        f.View().SelectRow(600'000);
        f.delegate->painted.clear();
        f.View().viewport()->repaint();
        const std::vector<int>& painted = f.delegate->painted;
        // The selected row stands whole at the bottom, the next one cut in half.
        QCOMPARE(static_cast<int>(painted.size()), kWholeRowsShown + 1);
        QCOMPARE(painted.back(), 600'001);
        QCOMPARE(painted.front(), 600'000 - kWholeRowsShown + 1);
    }
    // A screen reader sees a list with a child per row; a row's interface
    // and its words are made only for the rows it asks for, and follow the
    // list through selection and refills.
    void theRowsAreExposedOneByOneWhenAskedFor() {
        ListFixture f(327670);
        f.View().setAccessibleName(QStringLiteral("Numbers"));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&f.View());
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QStringLiteral("Numbers"));
        QCOMPARE(list->childCount(), 327670);
        QVERIFY(f.delegate->spoken.empty());

        QAccessibleInterface* row = list->child(327669);
        QCOMPARE(row->role(), QAccessible::ListItem);
        QCOMPARE(row->text(QAccessible::Name), QStringLiteral("number 327669"));
        QCOMPARE(f.delegate->spoken, std::vector<int>{327669});
        QCOMPARE(list->child(327669), row);
        QCOMPARE(list->indexOfChild(row), 327669);
        QCOMPARE(row->parent(), list);
        QVERIFY(row->state().invisible);
        QVERIFY(!row->state().selected);

        f.View().SelectRow(327669);
        QVERIFY(row->state().selected);
        QVERIFY(!row->state().invisible);
        QCOMPARE(list->childAt(row->rect().center().x(), row->rect().center().y()), row);

        f.Fill(3);
        QVERIFY(!row->isValid());
        QCOMPARE(list->childCount(), 3);
        QCOMPARE(list->child(3), nullptr);
        QCOMPARE(list->child(2)->text(QAccessible::Name), QStringLiteral("number 2"));
    }

    // The row the keys act on is the list's focused child, which a screen
    // reader asks for when told that the focus moved.
    void theFocusedChildIsTheRowTheKeysActOn() {
        ListFixture f(30);
        f.list.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.list));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&f.View());
        f.View().clearFocus();
        QCOMPARE(list->focusChild(), nullptr);
        f.View().setFocus();
        QCOMPARE(list->focusChild(), list->child(0));
        QVERIFY(list->child(0)->state().focused);
        QTest::keyClick(&f.View(), Qt::Key_End);
        QCOMPARE(list->focusChild(), list->child(29));
        QVERIFY(list->child(29)->state().focused);
        QVERIFY(!list->child(0)->state().focused);
    }
};

QTEST_MAIN(RowListViewTest)
#include "RowListViewTest.moc"
