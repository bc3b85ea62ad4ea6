// The yardstick for start-up time and peak memory: a plain Qt main window with
// the main window's 87 controls as bare Qt widgets, placed and labelled from the
// same design tables, and nothing else: no runtime layer, no class records, no
// handlers. bench/measure.sh starts it beside the program and compares the two.
#include "framework/property_record.h"
#include "main_window/design.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace {

using fw::Form;

// The forms of the keys the design tables use; the reader stops at any other.
std::optional<Form> formOf(std::string_view key) {
    static constexpr std::string_view ints[] = {
        "Alignment", "BorderWidth", "ButtonStyle", "ColumnCount", "DefaultRowHeight", "Frame",
        "GridLinesHorizontal", "GridLinesVertical", "HeadingIndex", "Height", "Index", "Left", "LimitText",
        "ListIndex", "MacProcID", "MaxHeight", "MaxWidth", "MinHeight", "MinWidth", "Mode", "OvalHeight",
        "OvalWidth", "Period", "Placement", "SelectionType", "State", "TabIndex", "TabPanelIndex", "TextAlign",
        "Top", "Width"};
    static constexpr std::string_view colors[] = {"BackColor", "BorderColor", "FillColor", "TextColor"};
    static constexpr std::string_view strings[] = {"Caption", "ColumnWidths", "CueText", "DataField",
                                                   "DataSource", "Format", "HelpTag", "InitialParent",
                                                   "InitialValue", "Mask", "Name", "Text", "TextFont", "Title"};
    for (std::string_view k : ints)
        if (k == key) return Form::Int32;
    for (std::string_view k : colors)
        if (k == key) return Form::Color;
    for (std::string_view k : strings)
        if (k == key) return Form::String;
    // Every remaining key of the tables is a Boolean; anything unknown is read
    // as one too, which at worst misplaces a widget of this yardstick.
    return Form::Boolean;
}

struct Placed {
    int left = 0, top = 0, width = 0, height = 0;
    QString caption, text;
    int columns = 1;
    int period = 0; // a timer's, in ms
};

Placed read(std::string_view record) {
    Placed p;
    for (const fw::DecodedEntry& e : fw::decodeRecord(record, formOf).entries) {
        if (const auto* i = std::get_if<std::int32_t>(&e.value)) {
            if (e.key == "Left") p.left = *i;
            else if (e.key == "Top") p.top = *i;
            else if (e.key == "Width") p.width = *i;
            else if (e.key == "Height") p.height = *i;
            else if (e.key == "ColumnCount") p.columns = *i;
            else if (e.key == "Period") p.period = *i;
        } else if (const auto* s = std::get_if<std::string>(&e.value)) {
            if (e.key == "Caption") p.caption = QString::fromStdString(*s);
            else if (e.key == "Text") p.text = QString::fromStdString(*s);
        }
    }
    return p;
}

QWidget* makeWidget(const vantoro::ControlDesign& design, const Placed& p, QWidget* content) {
    switch (design.kind) {
    case vantoro::ControlKind::PopupMenu: return new QComboBox(content);
    case vantoro::ControlKind::CheckBox: return new QCheckBox(p.caption, content);
    case vantoro::ControlKind::RoundRectangle: {
        auto* frame = new QFrame(content);
        frame->setFrameShape(QFrame::StyledPanel);
        return frame;
    }
    case vantoro::ControlKind::TextField: return new QLineEdit(p.text, content);
    case vantoro::ControlKind::Label: return new QLabel(p.text, content);
    case vantoro::ControlKind::PushButton: return new QPushButton(p.caption, content);
    case vantoro::ControlKind::Listbox: return new QTableWidget(0, p.columns, content);
    case vantoro::ControlKind::Timer: break;
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Vantoro bare window"));
    window.setFixedSize(850, 650);

    // A menu bar of the same shape, so both windows quit by the same keys.
    QMenu* file = window.menuBar()->addMenu(QStringLiteral("&File"));
    QAction* quit = file->addAction(QStringLiteral("&Quit"));
    quit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    QObject::connect(quit, &QAction::triggered, &app, &QApplication::quit);
    QMenu* edit = window.menuBar()->addMenu(QStringLiteral("&Edit"));
    for (const char* item : {"&Undo", "Cu&t", "&Copy", "&Paste", "&Delete", "Select &All"})
        edit->addAction(QString::fromLatin1(item));

    auto* content = new QWidget;
    window.setCentralWidget(content);
    for (const vantoro::ControlDesign& design : vantoro::kMainWindowControls) {
        const Placed p = read(design.record);
        if (design.kind == vantoro::ControlKind::Timer) {
            auto* timer = new QTimer(&window);
            timer->setSingleShot(true);
            timer->setInterval(p.period);
            continue;
        }
        QWidget* w = makeWidget(design, p, content);
        w->setObjectName(QString::fromUtf8(design.name.data(), static_cast<int>(design.name.size())));
        w->setGeometry(p.left, p.top, p.width, p.height);
        if (design.textSize > 0) {
            QFont f = w->font();
            f.setPointSizeF(design.textSize);
            w->setFont(f);
        }
    }

    window.show();
    return app.exec();
}
