// The collection window end to end: a collection made from a document of
// three parts, reopened, renamed, its items removed, restored and deleted,
// and items extracted into the editor and compared with the files they came
// from.

#include "collection_fixture.h"

#include <QPixmap>

using namespace collectiontest;

namespace {

// The lines a file gives when it is loaded alone.
QStringList OriginalLines(const QString& path) {
    TestProgram u;
    mustLoad(u.program(), path);
    return DocumentLines(u.program());
}

const QStringList ThreePartIndex = {"3", "1,9:a1", "1,3:Part_11", "4,5:Part_21", "6,9:Part_31"};

// The index section of a collection file: the count and the entries.
QStringList IndexOf(const QStringList& lines) {
    const qsizetype end = lines.indexOf("</Data>");
    return end < 6 ? QStringList() : lines.mid(5, end - 5);
}
QStringList SubsOf(const QStringList& lines) {
    const qsizetype from = lines.indexOf("<Subs>"), to = lines.indexOf("</Subs>");
    return from < 0 || to < from ? QStringList() : lines.mid(from + 1, to - from - 1);
}

} // namespace

TEST_F(Collections, CreateWritesEveryPartAsAnItemWithItsOwnTimes) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        EXPECT_TRUE(w.Label5.enabled());
        EXPECT_EQ(w.List1.listCount(), 0);
        createCollection(w);
        // The title shown is entry 0's name: the subtitle file's base name.
        EXPECT_EQ(itemsOf(w.List1), QStringList{"a"});
        EXPECT_EQ(w.List1.listIndex(), 0);
        EXPECT_EQ(itemsOf(w.List2), QStringList({"Part_1", "Part_2", "Part_3"}));
        EXPECT_EQ(w.txtFile.text(), "a");
        EXPECT_TRUE(w.Command14.enabled());
        EXPECT_FALSE(w.Label6.enabled()) << "no item is selected yet";
    });
    EXPECT_EQ(FileLines(path("a(srt).dbs")),
              QStringList({"4.00",
                           "<File>",
                           path("a.srt"),
                           "</File>",
                           "<Data>",
                           "3",
                           "1,9:a1",
                           "1,3:Part_11",
                           "4,5:Part_21",
                           "6,9:Part_31",
                           "</Data>",
                           "<Subs>",
                           "0001|00:00:01,000|00:00:02,000|A one||",
                           "0002|00:00:03,000|00:00:04,000|A two||",
                           "0003|00:00:05,000|00:00:06,500|A three|second row|",
                           "0004|00:00:00,500|00:00:01,500|B one||",
                           "0005|00:00:02,000|00:00:03,000|B two||",
                           "0006|00:00:01,000|00:00:02,000|C one||",
                           "0007|00:00:02,500|00:00:03,000|C two||",
                           "0008|00:00:04,000|00:00:05,000|C three|more|and more",
                           "0009|00:00:06,000|00:00:07,250|C four||",
                           "</Subs>"}));
}

TEST_F(Collections, TitlesAndNamesSurviveReopening) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        createCollection(w);
        w.txtFile.setText("Three films");
        click(w.Command14);
        EXPECT_EQ(itemsOf(w.List1), QStringList{"Three films"});
        pickEntry(w.List2, "Part_2");
        EXPECT_EQ(w.txtItem.text(), "Part_2");
        EXPECT_TRUE(w.Label14.enabled());
        typeAndEnter(w.txtItem, "The middle: B, again");
        EXPECT_EQ(w.List2.list(1), "The middle: B, again");
    });
    withWindow([&](frmDbase& w) {
        EXPECT_EQ(itemsOf(w.List1), QStringList{"Three films"});
        EXPECT_EQ(itemsOf(w.List2), QStringList({"Part_1", "The middle: B, again", "Part_3"}));
        typeAndEnter(w.txtFile, "Three films, renamed by Enter");
    });
    const QStringList lines = FileLines(path("a(srt).dbs"));
    EXPECT_EQ(lines.value(2), "Three films, renamed by Enter");
    EXPECT_EQ(lines.value(6), "1,9:Three films, renamed by Enter1");
    EXPECT_EQ(lines.value(8), "4,5:The middle: B, again1");
    EXPECT_EQ(SubsOf(lines).size(), 9);
}

TEST_F(Collections, ExtractedItemsGiveTheOriginalLines) {
    loadThreeParts();
    Message changed;
    withWindow([&](frmDbase& w) {
        createCollection(w);
        pickEntry(w.List2, "Part_2");
        ASSERT_TRUE(w.Label6.enabled());
        const QStringList before = DocumentLines(t.program());
        answer(AnswerCancel, &changed); // the added files are not saved yet
        click(w.Label6);
        EXPECT_EQ(DocumentLines(t.program()), before) << "Cancel keeps the document";
        EXPECT_EQ(t->files.CurFileName, path("a.srt"));

        answer(AnswerNo);
        click(w.Label6);
        EXPECT_EQ(DocumentLines(t.program()), OriginalLines(path("b.srt")));
        pickEntry(w.List2, "Part_3");
        click(w.Label6); // the extracted file was saved: nothing to ask
        EXPECT_EQ(DocumentLines(t.program()), OriginalLines(path("c.srt")));
    });
    EXPECT_EQ(changed.title, "Warning: File not saved");
    EXPECT_EQ(t->files.CurFileName, path("a_Part_3.srt"));
    EXPECT_EQ(main().tabMain.tab(), frmMain::TabEditor);
    EXPECT_FALSE(t->doc.FileChanged);
    const NodeTable& parts = t->doc.FileNodes;
    EXPECT_EQ(parts.Count(), 1);
    EXPECT_EQ(parts.FirstRow(1), 1);
    EXPECT_EQ(parts.LastRow(1), 4);
    EXPECT_EQ(t->doc.grid().rows(), 6); // the files written: the test below
}

// Extract, save and compare: each item comes back as its own file, byte for
// byte (no blank text line where the original had none).
TEST_F(Collections, AnExtractedItemIsWrittenAsItsOriginalFile) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        createCollection(w);
        const struct {
            const char* item;
            const char* original;
        } items[] = {{"Part_1", "a.srt"}, {"Part_2", "b.srt"}, {"Part_3", "c.srt"}};
        for (const auto& i : items) {
            pickEntry(w.List2, i.item);
            if (t->doc.FileChanged) answer(AnswerNo); // the added files are not kept
            click(w.Label6);
            const QString extracted = path(QStringLiteral("a_%1.srt").arg(i.item));
            EXPECT_EQ(readBytes(extracted), readBytes(path(i.original))) << i.item;
        }
    });
}

TEST_F(Collections, RemovedItemsHideAndItemCommandsStillFindTheirItem) {
    loadThreeParts();
    Message question;
    withWindow([&](frmDbase& w) {
        createCollection(w);
        pickEntry(w.List2, "Part_1");
        answer(AnswerNo);
        click(w.Label13[frmDbase::RemoveItem]);
        EXPECT_EQ(w.List2.listCount(), 3) << "No removes nothing";
        answer(AnswerYes, &question);
        click(w.Label13[frmDbase::RemoveItem]);
        EXPECT_EQ(itemsOf(w.List2), QStringList({"Part_2", "Part_3"}));
        EXPECT_FALSE(w.Label6.enabled());
        // The second entry shows item 3: its commands act on item 3.
        pickEntry(w.List2, "Part_3");
        typeAndEnter(w.txtItem, "Last");
    });
    EXPECT_EQ(question.title, "Remove Item");
    EXPECT_TRUE(question.text.startsWith("This will only remove the selected item"));
    QStringList lines = FileLines(path("a(srt).dbs"));
    EXPECT_EQ(IndexOf(lines),
              QStringList({"3", "1,9:a1", "1,3:Part_10", "4,5:Part_21", "6,9:Last1"}));
    EXPECT_EQ(SubsOf(lines).size(), 9) << "a removed item keeps its lines";

    withWindow([&](frmDbase& w) {
        EXPECT_EQ(itemsOf(w.List2), QStringList({"Part_2", "Last"}));
        pickEntry(w.List2, "Last");
        answer(AnswerNo);
        click(w.Label6);
        EXPECT_EQ(DocumentLines(t.program()), OriginalLines(path("c.srt")));
        click(w.Label15);
        EXPECT_EQ(itemsOf(w.List2), QStringList({"Part_1", "Part_2", "Last"}));
    });
    EXPECT_EQ(IndexOf(FileLines(path("a(srt).dbs"))),
              QStringList({"3", "1,9:a1", "1,3:Part_11", "4,5:Part_21", "6,9:Last1"}));
}

TEST_F(Collections, DeletingAnItemMovesTheLaterItemsAndTheirLines) {
    loadThreeParts();
    Message question;
    withWindow([&](frmDbase& w) {
        createCollection(w);
        const QByteArray created = readBytes(path("a(srt).dbs"));
        pickEntry(w.List2, "Part_1");
        answer(AnswerNo);
        click(w.Label13[frmDbase::DeleteItem]);
        EXPECT_EQ(readBytes(path("a(srt).dbs")), created) << "No deletes nothing";
        answer(AnswerYes, &question);
        click(w.Label13[frmDbase::DeleteItem]);
        EXPECT_EQ(itemsOf(w.List2), QStringList({"Part_2", "Part_3"}));
        pickEntry(w.List2, "Part_3");
        answer(AnswerNo);
        click(w.Label6);
        EXPECT_EQ(DocumentLines(t.program()), OriginalLines(path("c.srt")));
    });
    EXPECT_EQ(question.title, "Delete Item");
    const QStringList lines = FileLines(path("a(srt).dbs"));
    EXPECT_EQ(IndexOf(lines), QStringList({"2", "1,6:a1", "1,2:Part_21", "3,6:Part_31"}));
    const QStringList subs = SubsOf(lines);
    ASSERT_EQ(subs.size(), 6);
    EXPECT_EQ(subs.first(), "0001|00:00:00,500|00:00:01,500|B one||");
    EXPECT_EQ(subs.last(), "0006|00:00:06,000|00:00:07,250|C four||");
}

TEST_F(Collections, ARemovedItemAfterADeletedOneStaysRemoved) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        createCollection(w);
        pickEntry(w.List2, "Part_2");
        answer(AnswerYes);
        click(w.Label13[frmDbase::RemoveItem]);
        pickEntry(w.List2, "Part_1");
        answer(AnswerYes);
        click(w.Label13[frmDbase::DeleteItem]);
        EXPECT_EQ(itemsOf(w.List2), QStringList{"Part_3"});
        pickEntry(w.List2, "Part_3");
        answer(AnswerNo);
        click(w.Label6); // the added files were never saved: discard them
        EXPECT_EQ(DocumentLines(t.program()), OriginalLines(path("c.srt")));
        click(w.Label15);
        EXPECT_EQ(itemsOf(w.List2), QStringList({"Part_2", "Part_3"}));
    });
    EXPECT_EQ(IndexOf(FileLines(path("a(srt).dbs"))),
              QStringList({"2", "1,6:a1", "1,2:Part_21", "3,6:Part_31"}));
}

TEST_F(Collections, DeletingEveryItemLeavesAnEmptyCollection) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        createCollection(w);
        for (int i = 0; i < 3; ++i) {
            w.List2.setListIndex(0);
            answer(AnswerYes);
            click(w.Label13[frmDbase::DeleteItem]);
        }
        EXPECT_EQ(w.List2.listCount(), 0);
        EXPECT_FALSE(w.Label13[frmDbase::DeleteItem].enabled());
    });
    const QStringList lines = FileLines(path("a(srt).dbs"));
    EXPECT_EQ(IndexOf(lines), QStringList({"0", "0,0:a1"}));
    EXPECT_EQ(lines.mid(lines.size() - 3), QStringList({"</Data>", "<Subs>", "</Subs>"}));
}

TEST_F(Collections, CreateNeedsTwoPartsWhichThePartToggleMakes) {
    loadFile("a.srt");
    withWindow([&](frmDbase& w) {
        EXPECT_FALSE(w.Label5.enabled());
        Message seen; // a macro's Create is told why nothing is made
        answer(AnswerOk, &seen);
        t->commands.run("Collection.Create");
        EXPECT_TRUE(seen.text.startsWith("A collection is made from the parts"));
        EXPECT_EQ(w.List1.listCount(), 0);
    });
    EXPECT_FALSE(QFile::exists(path("a(srt).dbs")));

    EditorTab& editor = main().editor;
    editor.grdSubEdit.setRow(3);
    editor.btnNode[0].onClick();
    ASSERT_EQ(t->doc.FileNodes.Count(), 2);
    withWindow([&](frmDbase& w) {
        createCollection(w);
        EXPECT_EQ(w.List2.listCount(), 2);
    });
    const QStringList lines = FileLines(path("a(srt).dbs"));
    EXPECT_EQ(lines.value(5), "2");
    EXPECT_TRUE(lines.value(7).startsWith("1,2:")) << lines.value(7).toStdString();
    EXPECT_TRUE(lines.value(8).startsWith("3,3:")) << lines.value(8).toStdString();
    EXPECT_EQ(SubsOf(lines).value(2), "0003|00:00:01,000|00:00:02,500|A three|second row|")
        << "the second part's times run from the end of the first";
}

TEST_F(Collections, CreateAsksBeforeItReplacesACollection) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        createCollection(w);
        typeAndEnter(w.txtFile, "Kept");
        Message seen;
        answer(AnswerNo, &seen);
        click(w.Label5);
        EXPECT_EQ(seen.title, "File exists");
        EXPECT_EQ(itemsOf(w.List1), QStringList{"Kept"});
        answer(AnswerYes);
        click(w.Label5);
        EXPECT_EQ(itemsOf(w.List1), QStringList{"a"});
    });
}

TEST_F(Collections, DeletingACollectionFileAsksFirst) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        createCollection(w);
        Message seen;
        answer(AnswerNo, &seen);
        click(w.Label10);
        EXPECT_EQ(seen.title, "Delete File");
        EXPECT_TRUE(QFile::exists(path("a(srt).dbs")));
        answer(AnswerYes);
        click(w.Label10);
        EXPECT_EQ(w.List1.listCount(), 0);
        EXPECT_FALSE(w.Label10.enabled());
        EXPECT_FALSE(w.Command14.enabled());
    });
    EXPECT_FALSE(QFile::exists(path("a(srt).dbs")));
}

TEST_F(Collections, TheWindowOpensOverTheMainWindowAndItsPickersShareAPlace) {
    main().move(1500, 900, frmMain::MinWidth, frmMain::MinHeight);
    withWindow([&](frmDbase& w) {
        EXPECT_EQ(w.left() + w.width() / 2, 1500 + frmMain::MinWidth / 2);
        EXPECT_EQ(w.top() + w.height() / 2, 900 + frmMain::MinHeight / 2);
        EXPECT_EQ(w.Label57.caption(), "SubRip");
        EXPECT_EQ(w.Label7.caption(), "Editor");
        EXPECT_EQ(w.Label12.caption(), "Editor");
        EXPECT_TRUE(w.List3.visible());
        EXPECT_FALSE(w.List4.visible());
        click(w.Label53);
        EXPECT_TRUE(w.List4.visible());
        EXPECT_FALSE(w.List3.visible()) << "the format list opens in the target list's place";
        EXPECT_EQ(w.Label8.caption(), ">>");
        w.List4.setListIndex(2);
        EXPECT_EQ(w.Label57.caption(), w.List4.list(2));
        EXPECT_FALSE(w.List4.visible());
        // The strip drags the window; a label button looks pressed alone.
        const int left = w.left();
        w.pMove.onMouseDown(platform::LeftButton, 0, 150, 75);
        w.pMove.onMouseMove(platform::LeftButton, 0, 450, 75);
        w.pMove.onMouseUp(platform::LeftButton, 0, 450, 75);
        EXPECT_EQ(w.left(), left + 300);
        QTest::mousePress(w.cmdOk.widget(), Qt::LeftButton);
        EXPECT_EQ(w.cmdOk.backColor(), platform::palette::ButtonPressed);
        EXPECT_EQ(w.Label10.backColor(), platform::palette::ButtonRest);
        QTest::mouseRelease(w.cmdOk.widget(), Qt::LeftButton);
        EXPECT_EQ(w.cmdOk.backColor(), platform::palette::ButtonRest);
        QTest::keyClick(w.List1.widget(), Qt::Key_Escape);
        EXPECT_FALSE(w.visible()) << "Escape closes the window";
    });
}

TEST_F(Collections, TheWindowWithItemsLooksRight) {
    loadThreeParts();
    withWindow([&](frmDbase& w) {
        createCollection(w);
        pickEntry(w.List2, "Part_2");
        const QPixmap shot = w.window()->grab();
        EXPECT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save("collection_window.png"));
    });
}
