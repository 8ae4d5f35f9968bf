#include "online/CollectionCommands.h"

#include "online/frmDbase.h"
#include "shell/Program.h"
#include "shell/frmMain.h"

namespace {

// Centred over the main window, and on the screen.
void PlaceOverMainWindow(Program& p, frmDbase& w) {
    if (!p.hasMain()) return;
    const frmMain& m = p.main();
    const int left = m.left() + (m.width() - w.width()) / 2;
    const int top = m.top() + (m.height() - w.height()) / 2;
    w.move(std::max(left, 0), std::max(top, 0), w.width(), w.height());
}

// A list position from a command's data: the list's entry, or a message that
// names the positions there are.
void SelectFromData(Program& p, platform::ListBox& list, const QString& data, const QString& what) {
    bool number = false;
    const int index = data.trimmed().toInt(&number);
    if (!number || index < 0 || index >= list.listCount()) {
        p.messages.ShowMessage(
            p.texts.Say("There is no %1 number '%2': the list holds %3, numbered from 0.", what,
                        MessageWindow::Verbatim(data.trimmed()), list.listCount()),
            KindExclamation, QStringLiteral("ok"), p.texts.TextTable(9, 13));
        return;
    }
    list.setListIndex(index);
}

// A field's command: data, where given, fills the field first.
void FillAndRun(platform::TextBox& box, const QString& data, const std::function<void()>& run) {
    if (!data.isEmpty()) box.setText(data);
    run();
}

// The window as its commands find it: loaded and listed on first use.
frmDbase& Ready(Program& p) {
    frmDbase& w = p.dbase();
    if (!w.isLoaded()) {
        w.load();
        w.UpdateList();
    }
    return w;
}

} // namespace

void MenuDBManage(Program& p) {
    frmDbase& w = p.dbase();
    PlaceOverMainWindow(p, w);
    w.load();
    w.UpdateList();
    w.showModal();
}

void RegisterCollectionCommands(Program& p) {
    CommandRegistry& c = p.commands;
    c.add(QStringLiteral("Menu.Collection.Manage"), 0, [&p] { MenuDBManage(p); });
    auto on = [&p](const QString& name, std::function<void(frmDbase&)> run) {
        p.commands.add(name, 0, [&p, run] { run(Ready(p)); });
    };
    auto withData = [&p](const QString& name, std::function<void(frmDbase&, const QString&)> run) {
        p.commands.add(name, 0, [&p, run](const QString& data) { run(Ready(p), data); });
    };
    withData(QStringLiteral("Collection.Select"), [&p](frmDbase& w, const QString& d) {
        SelectFromData(p, w.List1, d, p.texts.Say("collection"));
    });
    withData(QStringLiteral("Collection.Item.Select"), [&p](frmDbase& w, const QString& d) {
        SelectFromData(p, w.List2, d, p.texts.Say("item"));
    });
    withData(QStringLiteral("Collection.Format"), [&p](frmDbase& w, const QString& d) {
        SelectFromData(p, w.List4, d, p.texts.Say("format"));
    });
    withData(QStringLiteral("Collection.Title.Change"), [](frmDbase& w, const QString& d) {
        FillAndRun(w.txtFile, d, [&w] { w.TitleChangeClick(); });
    });
    withData(QStringLiteral("Collection.Item.Change"), [](frmDbase& w, const QString& d) {
        FillAndRun(w.txtItem, d, [&w] { w.ItemChangeClick(); });
    });
    on(QStringLiteral("Collection.Create"), [](frmDbase& w) { w.CreateClick(); });
    on(QStringLiteral("Collection.Delete"), [](frmDbase& w) { w.DeleteFileClick(); });
    on(QStringLiteral("Collection.Item.Delete"),
       [](frmDbase& w) { w.Label13Click(frmDbase::DeleteItem); });
    on(QStringLiteral("Collection.Item.Remove"),
       [](frmDbase& w) { w.Label13Click(frmDbase::RemoveItem); });
    on(QStringLiteral("Collection.Restore"), [](frmDbase& w) { w.DBRestore(); });
    on(QStringLiteral("Collection.Extract"), [](frmDbase& w) { w.ExtractClick(); });
    on(QStringLiteral("Collection.Close"), [](frmDbase& w) { w.CloseClick(); });
}
