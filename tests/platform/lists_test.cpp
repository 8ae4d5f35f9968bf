// Combo boxes and list boxes: when Click and Change run (code-set ListIndex,
// the user's choice, adding, removing, clearing), and how items are kept.

#include "platform/ComboBox.h"
#include "platform/Form.h"
#include "platform/Host.h"
#include "platform/ListBox.h"
#include "support/FormFixture.h"
#include "support/ListItems.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ListFixture : FormFixture {
    int clicks = 0;
    int changes = 0;
    template <class L> void fill(L& list, const QStringList& items) {
        for (const QString& item : items)
            list.addItem(item);
    }
};

QComboBox* comboOf(platform::ComboBox& c) {
    return static_cast<QComboBox*>(c.widget());
}
QListWidget* viewOf(platform::ListBox& l) {
    return static_cast<QListWidget*>(l.widget());
}
void clickRow(platform::ListBox& l, int row, Qt::KeyboardModifiers mods = {}) {
    QListWidget* v = viewOf(l);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, mods,
                      v->visualItemRect(v->item(row)).center());
}

// --- ComboBox --------------------------------------------------------------

TEST_F(ListFixture, ComboListIndexFromCodeClicksOnEveryValidAssignment) {
    platform::ComboBox combo(form, "cboTest", platform::ComboBox::DropDownList);
    fill(combo, {"one", "two", "three"});
    EXPECT_EQ(combo.listIndex(), -1) << "adding items chooses none";
    std::vector<int> seen;
    combo.onClick = [&] { seen.push_back(combo.listIndex()); };
    combo.setListIndex(1);
    combo.setListIndex(1);
    combo.setListIndex(-1);
    combo.setListIndex(3);
    combo.setListIndex(-2);
    EXPECT_EQ(seen, (std::vector<int>{1, 1, -1}));
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(comboOf(combo)->currentIndex(), -1);
}

TEST_F(ListFixture, ComboItemChangesNeverClickAndFollowTheChosenItem) {
    platform::ComboBox combo(form, "cboTest", platform::ComboBox::DropDownList);
    combo.onClick = [&] { ++clicks; };
    fill(combo, {"a", "b", "c"});
    combo.setListIndex(1);
    clicks = 0;
    combo.addItem("first", 0);
    EXPECT_EQ(combo.listIndex(), 2);
    EXPECT_EQ(combo.text(), "b");
    combo.addItem("nowhere", 9);
    combo.removeItem(0);
    EXPECT_EQ(combo.listIndex(), 1);
    combo.removeItem(1);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), "");
    EXPECT_EQ(combo.listCount(), 2);
    combo.setList(1, "C");
    EXPECT_EQ(combo.list(1), "C");
    EXPECT_EQ(combo.list(2), "");
    EXPECT_EQ(combo.list(-1), "");
    combo.setItemData(1, 42);
    EXPECT_EQ(combo.itemData(1), 42);
    EXPECT_EQ(combo.itemData(5), 0);
    combo.clear();
    EXPECT_EQ(combo.listCount(), 0);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(ListFixture, ComboUserChoiceClicksOnceEvenForTheSameItem) {
    platform::ComboBox combo(form, "cboUser", platform::ComboBox::DropDownList);
    fill(combo, {"one", "two", "three"});
    combo.move(150, 150, 1455, 315);
    showForm();
    std::vector<int> seen;
    combo.onClick = [&] { seen.push_back(combo.listIndex()); };

    comboOf(combo)->showPopup();
    QAbstractItemView* popup = comboOf(combo)->view();
    QTest::qWait(QApplication::doubleClickInterval() + 50); // the popup ignores an early release
    const QRect item = popup->visualRect(popup->model()->index(2, 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, item.center());
    EXPECT_EQ(seen, (std::vector<int>{2}));
    EXPECT_EQ(combo.text(), "three");

    comboOf(combo)->showPopup();
    popup->setCurrentIndex(popup->model()->index(2, 0)); // the pointer rests on it
    QTest::keyClick(popup, Qt::Key_Return);
    EXPECT_EQ(seen, (std::vector<int>{2, 2}));

    QTest::keyClick(combo.widget(), Qt::Key_Up);
    EXPECT_EQ(seen, (std::vector<int>{2, 2, 1}));
}

TEST_F(ListFixture, EditableComboTextChangesAndChoices) {
    platform::ComboBox combo(form, "cboEdit");
    combo.onClick = [&] { ++clicks; };
    combo.onChange = [&] { ++changes; };
    combo.setText("typed");
    fill(combo, {"Alpha", "Beta"});
    EXPECT_EQ(combo.text(), "typed") << "adding the first item keeps the field";
    EXPECT_EQ(combo.listIndex(), -1);

    combo.setListIndex(0);
    EXPECT_EQ(combo.text(), "Alpha");
    EXPECT_EQ(changes, 1) << "choosing an item is a Click, not a Change";
    EXPECT_EQ(clicks, 1);

    combo.setText("beta");
    EXPECT_EQ(combo.listIndex(), 1) << "the item with the text, compared without case";
    EXPECT_EQ(combo.text(), "beta");
    combo.setText("beta");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(clicks, 1);

    combo.setText("");
    QTest::keyClicks(combo.widget(), "Alpha");
    QTest::keyClick(combo.widget(), Qt::Key_Return);
    EXPECT_EQ(changes, 8);
    EXPECT_EQ(combo.text(), "Alpha");
    EXPECT_EQ(combo.listIndex(), -1) << "typing an item's text does not choose it";
    EXPECT_EQ(clicks, 1);

    combo.removeItem(0);
    EXPECT_EQ(combo.text(), "Alpha") << "removing items keeps the typed text";
    combo.setListIndex(-1);
    EXPECT_EQ(combo.text(), "");
}

TEST_F(ListFixture, DropDownListTextChoosesAnExistingItemOnly) {
    platform::ComboBox combo(form, "cboList", platform::ComboBox::DropDownList);
    fill(combo, {"Alpha", "Beta"});
    combo.onClick = [&] { ++clicks; };
    combo.setText("missing");
    EXPECT_EQ(combo.listIndex(), -1);
    combo.setText("BETA");
    EXPECT_EQ(combo.listIndex(), 1);
    EXPECT_EQ(combo.text(), "Beta");
    EXPECT_EQ(clicks, 1);
}

// --- ListBox ---------------------------------------------------------------

TEST_F(ListFixture, ListIndexFromCodeClicksOnlyOnChange) {
    platform::ListBox list(form, "lstTest");
    fill(list, {"one", "two", "three"});
    std::vector<int> seen;
    list.onClick = [&] { seen.push_back(list.listIndex()); };
    list.setListIndex(1);
    list.setListIndex(1);
    list.setListIndex(5);
    list.setListIndex(-1);
    list.setListIndex(-1);
    list.setSelected(2, true);
    list.setSelected(2, false);
    EXPECT_EQ(seen, (std::vector<int>{1, -1, 2, -1}));
    EXPECT_EQ(list.text(), "");
}

TEST_F(ListFixture, ListUserSelectionClicksOnce) {
    platform::ListBox list(form, "lstUser");
    fill(list, {"one", "two", "three"});
    list.move(150, 150, 1455, 1035);
    showForm();
    std::vector<int> seen;
    list.onClick = [&] { seen.push_back(list.listIndex()); };
    QApplication::setActiveWindow(form.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.window()));
    list.setFocus();
    QApplication::processEvents();
    ASSERT_TRUE(list.hasFocus());
    EXPECT_TRUE(seen.empty()) << "the view makes its first item current on focus; no Click";
    EXPECT_EQ(list.listIndex(), -1);

    clickRow(list, 1);
    clickRow(list, 1);
    EXPECT_EQ(seen, (std::vector<int>{1}));
    QTest::keyClick(list.widget(), Qt::Key_Down);
    EXPECT_EQ(seen, (std::vector<int>{1, 2}));
    EXPECT_EQ(list.text(), "three");
}

TEST_F(ListFixture, ListDoubleClickOnAnItem) {
    platform::ListBox list(form, "lstDbl");
    fill(list, {"one", "two"});
    showForm();
    int doubles = 0, indexAtDouble = -2;
    list.onDblClick = [&] {
        ++doubles;
        indexAtDouble = list.listIndex();
    };
    list.onClick = [&] { ++clicks; };
    QListWidget* v = viewOf(list);
    const QPoint at = v->visualItemRect(v->item(1)).center();
    QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, at); // the first click of the two
    QTest::mouseDClick(v->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(v->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(indexAtDouble, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ListFixture, ListItemChangesNeverClick) {
    platform::ListBox list(form, "lstItems");
    list.onClick = [&] { ++clicks; };
    fill(list, {"a", "b", "c", "d"});
    list.setListIndex(2);
    clicks = 0;
    list.addItem("first", 0);
    EXPECT_EQ(list.listIndex(), 3);
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 2);
    list.removeItem(2);
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.listCount(), 3);
    list.removeItem(7);
    list.setListIndex(0);
    clicks = 0;
    list.clear();
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.listCount(), 0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(list.list(0), "");
    EXPECT_FALSE(list.selected(0));
}

TEST_F(ListFixture, SortedListPlacesItemsWithoutCase) {
    platform::ListBox list(form, "lstSorted", true);
    fill(list, {"pear", "Apple", "banana", "apple", "Cherry"});
    EXPECT_EQ(itemsOf(list), QStringList({"Apple", "apple", "banana", "Cherry", "pear"}));
    list.addItem("zzz", 0);
    EXPECT_EQ(list.list(0), "zzz") << "an explicit index is kept";
    list.setItemData(0, 7);
    list.setList(0, "top");
    EXPECT_EQ(list.itemData(0), 7);
    EXPECT_EQ(list.list(0), "top");
}

TEST_F(ListFixture, MultiSelectListSelectionRules) {
    platform::ListBox list(form, "lstMulti", false, platform::ListBox::SelectSimple);
    fill(list, {"one", "two", "three"});
    showForm();
    list.onClick = [&] { ++clicks; };
    list.setSelected(0, true);
    list.setSelected(0, true);
    list.setSelected(2, true);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.selCount(), 2);
    list.setListIndex(1);
    EXPECT_EQ(clicks, 3);
    EXPECT_FALSE(list.selected(1)) << "ListIndex moves the focus, not the selection";
    EXPECT_EQ(list.selCount(), 2);

    clickRow(list, 2);
    EXPECT_EQ(clicks, 4);
    EXPECT_FALSE(list.selected(2));
    EXPECT_TRUE(list.selected(0));
}

TEST_F(ListFixture, TopIndexScrollsTheList) {
    platform::ListBox list(form, "lstLong");
    for (int i = 0; i < 100; ++i)
        list.addItem(QString::number(i));
    list.move(0, 0, 1455, 1035);
    showForm();
    EXPECT_EQ(list.topIndex(), 0);
    list.setTopIndex(40);
    EXPECT_EQ(list.topIndex(), 40);
    list.setTopIndex(100);
    EXPECT_EQ(list.topIndex(), 40);
    list.setTopIndex(99);
    EXPECT_GT(list.topIndex(), 40);
    EXPECT_LT(list.topIndex(), 99) << "the last items fill the view";
}

} // namespace
