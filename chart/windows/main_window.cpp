#include "chart/windows/main_window.h"

#include "chart/analysis/chart_constants.h"
#include "chart/analysis/chart_geometry.h"
#include "chart/analysis/readout_message.h"
#include "chart/drawing/chart_picture.h"
#include "chart/drawing/network_port.h"
#include "chart/drawing/overlay_layers.h"
#include "chart/drawing/point_label.h"
#include "chart/drawing/readout_texts.h"
#include "chart/drawing/vector_picture.h"
#include "chart/windows/chart_print.h"
#include "chart/windows/tool_docks.h"
#include "core/numbers/decimal.h"
#include "core/numbers/engineering.h"
#include "core/numbers/errors.h"
#include "core/numbers/text_format.h"
#include "core/rf/conversions.h"
#include "core/settings/program_state.h"
#include "core/settings/settings_store.h"
#include "ui/message_hub.h"
#include "ui/prompter.h"
#include "ui/qt_text.h"
#include "ui/screen_placement.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <numeric>

namespace qv {

namespace {

constexpr int LaidOutChartWidth = 841;
constexpr int LaidOutChartHeight = 633;
constexpr int ToolPanelWidth = 104;
constexpr int LabelLeft = 10;
constexpr int LabelHeight = 16;
constexpr int DarkGreen = 25600; // 0x006400, RGB 0,100,0
constexpr int Black = 0;
const char* const StatusTextProperty = "statusText";

struct LabelPlace {
    int top; // from the top; negative: that far above the tab control's bottom
    int width;
    const char* text;
    int colour;
    const char* hint;
};

// Label1..Label16 as the window lays them out.
const std::array<LabelPlace, 16> LabelPlaces = {{
    {10, 170, "Freq=", Black, ""},
    {27, 170, "Z0=50", DarkGreen, ""},
    {44, 170, "Z=1+j1", DarkGreen, ""},
    {61, 170, "C=1p", DarkGreen, ""},
    {78, 170, "Rho=", DarkGreen, QT_TRANSLATE_NOOP("qv::TForm2", "归一化后的极坐标(S11，反射系数)")},
    {95, 170, "So=", DarkGreen, QT_TRANSLATE_NOOP("qv::TForm2", "归一化后的电抗")},
    {112, 170, "Yo=", DarkGreen, QT_TRANSLATE_NOOP("qv::TForm2", "归一化后的导抗")},
    {129, 170, "Y=", DarkGreen, QT_TRANSLATE_NOOP("qv::TForm2", "没有归一化导抗")},
    {146, 170, "Q=", DarkGreen, ""},
    {-37, 170, "VSWR=", DarkGreen, ""},
    {-54, 170, "VRT=", DarkGreen,
     QT_TRANSLATE_NOOP("qv::TForm2", "电压反射系数=（反射电压） Vr/（入射电压）Vi")},
    {-71, 170, "WRT=", DarkGreen, QT_TRANSLATE_NOOP("qv::TForm2", "功率反射系数Pr/Pi , (Vr/Vi)^2")},
    {-88, 170, "RLOSS=", DarkGreen,
     QT_TRANSLATE_NOOP(
         "qv::TForm2",
         "反馈损耗(回波损耗)Return Loss  (入射功率)Pi/(反射功率)Pr   取对数＊10就是功率反射衰减RL")},
    {-105, 510, "RLmatch=", DarkGreen,
     QT_TRANSLATE_NOOP("qv::TForm2", "由于电路不全匹配时产生的回波损耗(db)")},
    {-122, 510, "IVmatch=", DarkGreen, QT_TRANSLATE_NOOP("qv::TForm2", "由于电路不全匹配时插入损耗(db)")},
    {-139, 510, "ILmatch=", DarkGreen, ""},
}};

struct LayerClearAction {
    OverlayLayer layer;
    const char* name;
    const char* caption;
};

const std::array<LayerClearAction, 5> LayerClearActions = {{
    {OverlayLayer::StabilityCircles, "ClearStabilityCircles", QT_TRANSLATE_NOOP("qv::TForm2", "清除稳定圆")},
    {OverlayLayer::DesignCircles, "ClearDesignCircles",
     QT_TRANSLATE_NOOP("qv::TForm2", "清除增益圆和噪声圆")},
    {OverlayLayer::PointPlot, "ClearPointPlot", QT_TRANSLATE_NOOP("qv::TForm2", "清除S参数点")},
    {OverlayLayer::ResponseLocus, "ClearResponseLocus", QT_TRANSLATE_NOOP("qv::TForm2", "清除频率响应轨迹")},
    {OverlayLayer::Marks, "ClearMarks", QT_TRANSLATE_NOOP("qv::TForm2", "清除标注点")},
}};

// The panel keeps its design width unless a caption needs more room (a translated caption): a
// push button needs its text and its frame, a radio button or check box its size in the group.
int ToolPanelWidthFor(const QWidget& panel) {
    int widest = 0;
    for (const QAbstractButton* button : panel.findChildren<QAbstractButton*>()) {
        const int room = qobject_cast<const QPushButton*>(button)
                             ? button->fontMetrics().horizontalAdvance(button->text()) + 16
                             : button->sizeHint().width() + 12;
        widest = std::max(widest, room + 4);
    }
    return std::max(ToolPanelWidth, widest);
}

// A Chinese caption needs a taller line than a Latin one. Every control of the panel with a
// translated caption takes the height it has with a Chinese caption, so the panel, and with it
// the chart, keeps one size in every language. Captions made of symbols are the same in every
// language and keep their own height.
constexpr std::array<const char*, 5> SymbolCaptioned = {"BitBtn3", "BitBtn4", "BitBtn10", "BitBtn12",
                                                        "RadioButton6"};

template <typename Control> void TakeChineseLineHeight(Control& control) {
    if (std::find(SymbolCaptioned.begin(), SymbolCaptioned.end(), control.objectName()) !=
        SymbolCaptioned.end())
        return;
    Control probe(QStringLiteral("电压驻波比"));
    probe.setFont(control.font());
    probe.setStyleSheet(control.styleSheet());
    control.setFixedHeight(std::max(control.sizeHint().height(), probe.sizeHint().height()));
}

void KeepLineHeights(QWidget& panel) {
    for (QPushButton* button : panel.findChildren<QPushButton*>())
        TakeChineseLineHeight(*button);
    for (QRadioButton* button : panel.findChildren<QRadioButton*>())
        TakeChineseLineHeight(*button);
    for (QCheckBox* box : panel.findChildren<QCheckBox*>())
        TakeChineseLineHeight(*box);
    for (QGroupBox* group : panel.findChildren<QGroupBox*>()) {
        const QString title = group->title();
        group->setTitle(QStringLiteral("电压驻波比"));
        const int chineseHeight = group->minimumSizeHint().height();
        group->setTitle(title);
        group->setMinimumHeight(std::max(group->minimumSizeHint().height(), chineseHeight));
    }
}

QString ColourStyle(int background, int text) {
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid gray; }")
        .arg(ToQColor(background).name(), ToQColor(text).name());
}

} // namespace

TForm2::TForm2(ProgramState& state, MessageHub& hub, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), state_(state), hub_(hub), prompter_(prompter),
      chartBitmap_(MakeChartImage(LaidOutChartWidth, LaidOutChartHeight)), bitmapSurface_(chartBitmap_) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(tr("圆图"));
    resize(934, 723);

    auto* central = new QWidget(this);
    auto* row = new QHBoxLayout(central);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    tabControl1_ = new QFrame(central);
    tabControl1_->setObjectName(QStringLiteral("TabControl1"));
    tabControl1_->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* tabLayout = new QVBoxLayout(tabControl1_);
    tabLayout->setContentsMargins(4, 4, 4, 4);
    scrollBox1_ = new QFrame(tabControl1_);
    scrollBox1_->setObjectName(QStringLiteral("ScrollBox1"));
    scrollBox1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    scrollBox1_->setAutoFillBackground(true);
    QPalette cream = scrollBox1_->palette();
    cream.setColor(QPalette::Window, QColor(255, 251, 240));
    scrollBox1_->setPalette(cream);
    scrollBox1_->installEventFilter(this);
    tabLayout->addWidget(scrollBox1_);
    row->addWidget(tabControl1_, 1);
    panel1_ = new QFrame(central);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setFixedWidth(ToolPanelWidth);
    row->addWidget(panel1_);
    setCentralWidget(central);

    paintBox1_ = new ChartView(*this, scrollBox1_);
    paintBox1_->setGeometry(0, 0, LaidOutChartWidth, LaidOutChartHeight);
    buildReadoutLabels();
    buildToolPanel();
    panel1_->setFixedWidth(ToolPanelWidthFor(*panel1_));
    KeepLineHeights(*panel1_);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    const std::array<int, 5> widths = {80, 80, 80, 80, 400};
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        statusPanels_[i] = new QLabel(bar);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusBar1Panel%1").arg(i + 1));
        // The last panel takes the rest of the bar, so its long texts stay whole.
        const bool last = i + 1 == statusPanels_.size();
        if (last)
            statusPanels_[i]->setMinimumWidth(widths[i]);
        else
            statusPanels_[i]->setFixedWidth(widths[i]);
        bar->addWidget(statusPanels_[i], last ? 1 : 0);
    }
    // A fixed height keeps the drawing area still when the first Chinese status text arrives
    // (a taller fallback font would otherwise shrink it and clear the picture).
    const QFontMetrics metrics(bar->font());
    bar->setFixedHeight(
        std::max(metrics.height(), metrics.boundingRect(QStringLiteral("电压驻波比")).height()) + 8);
    setStatusBar(bar);
    // The window starts wide enough for the reflection panel to show a typical text whole.
    ReflectionFigures typical;
    typical.gamma = {-0.4321L, -0.4321L};
    typical.mismatchDb = 12.3456L;
    typical.vswr = 12.3456L;
    typical.powerRatio = 0.123456L;
    typical.reflectedDb = -12.3456L;
    const int fixedPanels = std::accumulate(widths.begin(), widths.end() - 1, 0);
    resize(std::max(width(), fixedPanels + metrics.horizontalAdvance(ReflectionStatusText(typical)) + 48),
           height());

    connect(&hub_, &MessageHub::stabilityBlock, this, &TForm2::WmCopyData, Qt::DirectConnection);

    // The first paint replaces this geometry; the picture starts as a fresh chart of its size.
    state_.geometry = GeometryForHeight(chartBitmap_.height());
    layoutLabels();
    state_.loadStoredSettings();
    redrawFreshChart();
    readoutBlock_.reserve(ReadoutMessageBytes);
}

TForm2::~TForm2() {
    bitmapSurface_.finish();
}

void TForm2::buildReadoutLabels() {
    for (std::size_t i = 0; i < labels_.size(); ++i) {
        auto* label = new QLabel(scrollBox1_);
        label->setObjectName(i == 0 ? QStringLiteral("labelmove") : QStringLiteral("Label%1").arg(i));
        QFont font = label->font();
        font.setPointSize(10);
        label->setFont(font);
        label->setAttribute(Qt::WA_TranslucentBackground);
        labels_[i] = label;
        if (i == 0)
            continue;
        const LabelPlace& place = LabelPlaces[i - 1];
        label->setText(QString::fromUtf8(place.text));
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ToQColor(place.colour));
        label->setPalette(palette);
        label->setToolTip(QCoreApplication::translate("qv::TForm2", place.hint));
    }
    QPalette palette = labels_[MoveLabel]->palette();
    palette.setColor(QPalette::WindowText, ToQColor(DarkGreen));
    labels_[MoveLabel]->setPalette(palette);
    labels_[FrequencyLabel]->installEventFilter(this);
}

QPushButton* TForm2::addToolButton(const char* name, const QString& caption, const QString& statusText,
                                   const QString& hint) {
    auto* button = new QPushButton(caption, panel1_);
    button->setObjectName(QString::fromUtf8(name));
    if (!statusText.isEmpty()) {
        button->setProperty(StatusTextProperty, statusText);
        button->installEventFilter(this);
    }
    if (!hint.isEmpty())
        button->setToolTip(hint);
    panel1_->layout()->addWidget(button);
    return button;
}

void TForm2::buildToolPanel() {
    auto* column = new QVBoxLayout(panel1_);
    column->setContentsMargins(2, 2, 2, 2);
    column->setSpacing(2);
    const auto show = [this](QWidget* ToolWindows::*slot) {
        return [this, slot] { showTool(tools_.*slot); };
    };

    QPushButton* clearAll = addToolButton("BitBtn1", tr("清除"), {}, {});
    connect(clearAll, &QPushButton::clicked, this, &TForm2::BitBtn1Click);
    column->removeWidget(clearAll);
    auto* clearRow = new QWidget(panel1_);
    auto* clearLayout = new QHBoxLayout(clearRow);
    clearLayout->setContentsMargins(0, 0, 0, 0);
    clearLayout->setSpacing(1);
    clearAll->setParent(clearRow);
    clearLayout->addWidget(clearAll, 1);
    buildClearControls(clearRow);
    column->insertWidget(0, clearRow);
    connect(addToolButton("BitBtn2", tr("设置"), {}, {}), &QPushButton::clicked, this,
            show(&ToolWindows::settings));
    connect(addToolButton("BitBtn3", "Rho", {}, {}), &QPushButton::clicked, this,
            show(&ToolWindows::gammaEntry));
    connect(addToolButton("BitBtn4", "R+JX", {}, {}), &QPushButton::clicked, this,
            show(&ToolWindows::impedanceEntry));
    connect(addToolButton("BitBtn9", tr("等Q圆"), {}, {}), &QPushButton::clicked, this,
            show(&ToolWindows::constantQ));
    connect(addToolButton("BitBtn10", "VSWR", {}, {}), &QPushButton::clicked, this,
            show(&ToolWindows::constantVswr));
    connect(addToolButton("BitBtn12", "Y+BX ", {}, {}), &QPushButton::clicked, this,
            show(&ToolWindows::admittanceEntry));
    panel2_ = addToolButton("Panel2", tr("色盒"), {}, {});
    panel2_->setFlat(true);
    setColourBox(ColourBoxStartColour, ColourBoxStartTextColour);
    connect(panel2_, &QPushButton::clicked, this, &TForm2::Panel2Click);
    connect(addToolButton("BitBtn5", tr("工具"), {}, {}), &QPushButton::clicked, this,
            show(&ToolWindows::calculator));
    connect(addToolButton("BitBtn13", tr("匹配设置"),
                          tr("设置要匹配电路的负载、源点，匹配总是从负载向源方向进行。"),
                          tr("匹配总是从负载向源的方向匹配,所以需要先设置好要匹配的 "
                             "负载和源，在按“增加元件”钮接入元件逐渐匹配")),
            &QPushButton::clicked, this, show(&ToolWindows::matchingSetup));
    connect(addToolButton("BitBtn14", tr("增加元件"), tr("增加匹配元件，比如并电容等操作"),
                          tr("先通过“匹配设置”钮设置好待匹配电路的“负载”，及匹配到的“源点”")),
            &QPushButton::clicked, this, show(&ToolWindows::elementInsertion));
    connect(
        addToolButton("BitBtn15", tr("删除元件"), tr("删除最后接入的元件"), tr("删除最后接入匹配电路的元件")),
        &QPushButton::clicked, this, &TForm2::BitBtn15Click);
    connect(addToolButton("BitBtn16", tr("重新计算"), tr("在圆图上重画匹配节点"),
                          tr("从新在圆图上画出匹配的所有元件")),
            &QPushButton::clicked, this, &TForm2::BitBtn16Click);
    connect(addToolButton("BitBtn17", tr("频率响应"), tr("匹配电路的回波损耗、驻波比随频率的变化及带宽"), {}),
            &QPushButton::clicked, this, show(&ToolWindows::frequencyResponse));
    connect(addToolButton("ButtonAutoMatch", tr("自动匹配"),
                          tr("列出负载到源的L、Pi、T和单支节匹配方案，并接入其中之一"), {}),
            &QPushButton::clicked, this, show(&ToolWindows::autoMatch));
    connect(addToolButton("ButtonAmplifier", tr("放大器"),
                          tr("输入网络、晶体管文件和输出网络级联：增益、回波损耗、mu 和稳定性随频率的变化"),
                          {}),
            &QPushButton::clicked, this, show(&ToolWindows::amplifierStage));
    undoButton_ =
        addToolButton("ButtonUndo", tr("撤销"), tr("撤销对匹配电路的上一步修改 (Ctrl+Z)"), "Ctrl+Z");
    redoButton_ = addToolButton("ButtonRedo", tr("重做"), tr("重做撤销的修改 (Ctrl+Shift+Z 或 Ctrl+Y)"),
                                "Ctrl+Shift+Z");
    undoButton_->setEnabled(false);
    redoButton_->setEnabled(false);
    connect(undoButton_, &QPushButton::clicked, this, &TForm2::undoClick);
    connect(redoButton_, &QPushButton::clicked, this, &TForm2::redoClick);
    connect(addToolButton("ButtonOpen", tr("打开"), tr("打开匹配网络文件 (Ctrl+O)"), "Ctrl+O"),
            &QPushButton::clicked, this, &TForm2::openClick);
    connect(addToolButton("ButtonSave", tr("保存"), tr("把匹配网络保存为文件 (Ctrl+S)"), "Ctrl+S"),
            &QPushButton::clicked, this, &TForm2::saveClick);
    // From every window of the program; a text field's own undo comes first while it has focus.
    const auto everywhere = [this](QKeySequence keys, void (TForm2::*handler)()) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    everywhere(QKeySequence(Qt::CTRL | Qt::Key_Z), &TForm2::undoClick);
    everywhere(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), &TForm2::redoClick);
    everywhere(QKeySequence(Qt::CTRL | Qt::Key_Y), &TForm2::redoClick);
    everywhere(QKeySequence(Qt::CTRL | Qt::Key_O), &TForm2::openClick);
    everywhere(QKeySequence(Qt::CTRL | Qt::Key_S), &TForm2::saveClick);
    connect(addToolButton("BitBtn6", tr("参数计算"), tr("S参数 计算稳定性、理论增益，及复数计算"), {}),
            &QPushButton::clicked, this, show(&ToolWindows::twoPortCalculator));
    connect(addToolButton("BitBtn7", tr("微带计算"), tr("微带线特征阻抗、接入到电路后的阻抗等计算，"), {}),
            &QPushButton::clicked, this, show(&ToolWindows::microstripCalculator));
    connect(addToolButton("BitBtn11", tr("保存圆图"), tr("保存圆图到图片"), {}), &QPushButton::clicked, this,
            &TForm2::BitBtn11Click);
    connect(addToolButton("ButtonPrint", tr("打印圆图"), tr("打印圆图（先预览）"), {}), &QPushButton::clicked,
            this, &TForm2::printClick);
    connect(addToolButton("ButtonResetLayout", tr("默认布局"),
                          tr("关闭所有停靠的工具窗口并把它们放回默认位置"), {}),
            &QPushButton::clicked, this, &TForm2::resetLayout);
    QPushButton* button2 =
        addToolButton("Button2", {}, tr("以命令的方式操作,命令多是小写。 帮助输入?后回车。软件简要说明help"),
                      tr("可以通过命令的方式查看、修改各种数据，包括匹配操作"));
    connect(button2, &QPushButton::clicked, this, show(&ToolWindows::console));
    connect(addToolButton("BitBtn8", tr("S参数输入"),
                          tr("读S参数文件，并可以将数据显示在圆图上。在数据格栅上按右鼠标键可以将数据发送给 "
                             "S参数计算界面相应的输入框"),
                          {}),
            &QPushButton::clicked, this, show(&ToolWindows::sparameterTable));
    QPushButton* button1 = addToolButton("Button1", {}, {}, {});
    connect(button1, &QPushButton::clicked, this, show(&ToolWindows::about));
    button1->setText(tr("关于"));
    button2->setText(tr("命令输入"));

    auto* group = new QGroupBox(tr("标注"), panel1_);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* radios = new QVBoxLayout(group);
    radios->setContentsMargins(4, 2, 2, 2);
    radios->setSpacing(0);
    const std::array<QString, 7> captions = {tr("阻抗Z"),    tr("元件值"), tr("模值"), tr("归一阻抗"),
                                             tr("归一导纳"), tr("VSWR"),   tr("反射")};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        auto* radio = new QRadioButton(captions[i], group);
        radio->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        radios->addWidget(radio);
        radioButtons_[i + 1] = radio;
    }
    radioButtons_[1]->setChecked(true);
    column->addWidget(group);
    checkBox1_ = new QCheckBox(tr("光标显示"), panel1_);
    checkBox1_->setObjectName(QStringLiteral("CheckBox1"));
    column->addWidget(checkBox1_);
    column->addStretch(1);
}

namespace {
constexpr const char* LayoutKey = "窗口布局";
constexpr const char* PlaceKey = "窗口位置";
} // namespace

void TForm2::dockToolWindows() {
    if (!docks_)
        docks_ = new ToolDocks(*this);
    const std::pair<QWidget * ToolWindows::*, const char*> right[] = {
        {&ToolWindows::twoPortCalculator, "DockTwoPort"},  {&ToolWindows::sparameterTable, "DockSParameters"},
        {&ToolWindows::frequencyResponse, "DockResponse"}, {&ToolWindows::autoMatch, "DockAutoMatch"},
        {&ToolWindows::amplifierStage, "DockAmplifier"},   {&ToolWindows::matchingSetup, "DockSetup"}};
    for (const auto& [slot, name] : right)
        if (QWidget* window = tools_.*slot)
            docks_->dock(*window, name, Qt::RightDockWidgetArea);
    if (tools_.console)
        docks_->dock(*tools_.console, "DockConsole", Qt::BottomDockWidgetArea);
    docks_->rememberDefaultLayout();
    const QByteArray place =
        QByteArray::fromBase64(QByteArray::fromStdString(state_.para.ReadParaString(PlaceKey, "")));
    if (!place.isEmpty())
        restoreGeometry(place);
    const QByteArray layout =
        QByteArray::fromBase64(QByteArray::fromStdString(state_.para.ReadParaString(LayoutKey, "")));
    if (!layout.isEmpty())
        restoreState(layout);
}

void TForm2::resetLayout() {
    if (docks_)
        docks_->resetLayout();
}

void TForm2::storeLayout() {
    if (!docks_)
        return;
    state_.para.WriteParaString(PlaceKey, saveGeometry().toBase64().toStdString());
    state_.para.WriteParaString(LayoutKey, saveState().toBase64().toStdString());
}

// "▾" beside "清除": a menu that clears one layer of the overlays, each action named for tests.
void TForm2::buildClearControls(QWidget* row) {
    auto* button = new QToolButton(row);
    button->setObjectName(QStringLiteral("BitBtn1Layers"));
    button->setText(QStringLiteral("▾"));
    button->setToolTip(tr("只清除一层：稳定圆、增益圆和噪声圆、S参数点、频率响应轨迹或标注点"));
    button->setPopupMode(QToolButton::InstantPopup);
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("BitBtn1Menu"));
    for (const LayerClearAction& entry : LayerClearActions) {
        QAction* action = menu->addAction(QCoreApplication::translate("qv::TForm2", entry.caption));
        action->setObjectName(QString::fromUtf8(entry.name));
        connect(action, &QAction::triggered, this, [this, layer = entry.layer] { clearOverlay(layer); });
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] {
        for (std::size_t i = 0; i < LayerClearActions.size(); ++i)
            menu->actions()
                .at(static_cast<qsizetype>(i))
                ->setEnabled(overlays_.holds(LayerClearActions[i].layer));
    });
    button->setMenu(menu);
    row->layout()->addWidget(button);
}

void TForm2::showTool(QWidget* window) {
    if (!window)
        return;
    if (docks_ && docks_->dockOf(*window)) {
        docks_->show(*window);
        return;
    }
    window->show();
    keepClearOfReadouts(*window);
    MoveOnScreen(*window, window->frameGeometry().topLeft());
    window->raise();
    window->activateWindow();
}

// A tool window that would cover the readout labels moves to their right, beside the chart.
void TForm2::keepClearOfReadouts(QWidget& window) {
    QRect readouts;
    for (const QLabel* label : labels_)
        readouts |= QRect(label->mapToGlobal(QPoint(0, 0)), label->size());
    const QRect frame = window.frameGeometry();
    if (!frame.intersects(readouts))
        return;
    window.move(readouts.right() + 12, std::max(frame.top(), readouts.top()));
}

void TForm2::closeEvent(QCloseEvent* event) {
    if (!offerToSave()) {
        event->ignore();
        return;
    }
    storeLayout();
    event->accept();
}

bool TForm2::offerToSave() {
    if (!network_ || !network_->unsavedChanges())
        return true;
    switch (prompter_.ask(tr("匹配网络已经改变,保存吗？"), true)) {
    case Prompter::Answer::No:
        return true;
    case Prompter::Answer::Cancel:
        return false;
    case Prompter::Answer::Yes:
        break;
    }
    return saveNetworkAs();
}

bool TForm2::saveNetworkAs() {
    if (!network_)
        return false;
    const std::optional<QString> chosen =
        prompter_.saveFileName(tr("保存匹配网络"), Q(state_.programDir), tr("smh files (*.smh)"));
    if (!chosen)
        return false;
    QString path = *chosen;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".smh");
    if (QFileInfo::exists(path) &&
        prompter_.ask(tr("文件存在是否覆盖 %1").arg(path)) != Prompter::Answer::Yes)
        return false;
    const std::string failure = network_->saveTo(U8(path));
    if (!failure.empty()) {
        prompter_.showMessage(Q(failure));
        return false;
    }
    return true;
}

void TForm2::saveClick() {
    saveNetworkAs();
}

void TForm2::openClick() {
    if (!network_ || !offerToSave())
        return;
    const std::optional<QString> chosen = prompter_.openFileName(tr("打开匹配网络"), Q(state_.programDir),
                                                                 tr("smh files (*.smh);;所有文件 (*)"));
    if (!chosen)
        return;
    const std::string problem = network_->openFrom(U8(*chosen));
    if (!problem.empty())
        prompter_.showMessage(Q(problem));
}

bool TForm2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == scrollBox1_ && event->type() == QEvent::Resize) {
        FormResize();
    } else if (watched == labels_[FrequencyLabel] &&
               (event->type() == QEvent::Enter || event->type() == QEvent::ToolTip)) {
        labels_[FrequencyLabel]->setToolTip(Q(FormatGeneral(state_.Fo)));
    } else if (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) {
        const QVariant text = watched->property(StatusTextProperty);
        if (text.isValid())
            statusPanels_[4]->setText(text.toString());
    }
    return QMainWindow::eventFilter(watched, event);
}

// Places the readout labels; they keep their texts. A label is at least as wide as the longest
// readout it shows (an impedance near the open circuit).
void TForm2::layoutLabels() {
    const int tabHeight = tabControl1_->height();
    const int longest =
        labels_[ImpedanceLabel]->fontMetrics().horizontalAdvance(QStringLiteral("Z=41030.0000-j20540.0000")) +
        8;
    for (std::size_t i = 0; i < LabelPlaces.size(); ++i) {
        const LabelPlace& place = LabelPlaces[i];
        labels_[i + 1]->setGeometry(LabelLeft, place.top >= 0 ? place.top : tabHeight + place.top,
                                    std::max(place.width, longest), LabelHeight);
    }
    labels_[MoveLabel]->setGeometry(0, 0, 170, LabelHeight);
}

// The picture follows the drawing area's new size with the network drawn into it again. The
// colours are read from para.ini again, so hand-edited colours take effect at the next resize;
// Fo, Zo and the modes change only through the network.
void TForm2::FormResize() {
    const int height = scrollBox1_->height();
    paintBox1_->setGeometry((scrollBox1_->width() - height) / 2, 0, height, height - 2);
    layoutLabels();
    state_.colours = state_.para.ReadChartColours();
    if (!bitmapMatchesDrawingArea()) {
        setGeometryFromDrawingArea();
        redrawNetwork();
    }
}

QImage& TForm2::chartBitmap() {
    bitmapSurface_.finish();
    return chartBitmap_;
}

void TForm2::setGeometryFromDrawingArea() {
    state_.geometry = GeometryForHeight(paintBox1_->height());
}

bool TForm2::bitmapMatchesDrawingArea() const {
    return chartBitmap_.size() == paintBox1_->size();
}

// A white picture of the drawing area's size with the grid.
void TForm2::redrawFreshChart() {
    if (!bitmapMatchesDrawingArea()) {
        bitmapSurface_.finish();
        chartBitmap_ = MakeChartImage(std::max(paintBox1_->width(), 1), std::max(paintBox1_->height(), 1));
    }
    DrawFreshChart(bitmapSurface_, state_.geometry, state_.colours);
}

void TForm2::refreshChartArea() {
    liveLabel_.reset();
    paintBox1_->update();
}

void TForm2::PaintBox1Paint(QPainter& painter) {
    bitmapSurface_.pen.width = 1;
    if (!bitmapMatchesDrawingArea()) {
        setGeometryFromDrawingArea();
        drawWholeChart();
    }
    bitmapSurface_.finish();
    painter.drawImage(0, 0, chartBitmap_);
    if (!liveLabel_)
        return;
    PainterSurface screen(painter, paintBox1_->width(), paintBox1_->height());
    screen.brush.colour = ChartWhite;
    PointLabel(screen, state_.geometry, liveLabel_->readout, liveLabel_->X, liveLabel_->Y, false,
               state_.colours[ColourKey::MarkerText], ChartRed, liveLabel_->kind, true);
}

void TForm2::followCursorWithDisplay(int X, int Y) {
    QWidget* display = tools_.parameterDisplay;
    if (!display || !display->isVisible())
        return;
    MoveBesideCursor(*display, paintBox1_->mapToGlobal(QPoint(X, Y)), {15, 15});
    if (auto* caption = display->findChild<QLabel*>(QStringLiteral("Panel1")))
        caption->setText(Q(Format("%d", {scrollBox1_->y()})));
}

void TForm2::PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, int X, int Y) {
    followCursorWithDisplay(X, Y);
    setGeometryFromDrawingArea();
    const std::optional<MouseReadout> readout =
        ComputeMouseReadout(state_.geometry, X, Y, state_.Fo, state_.Zo);
    QWidget* display = tools_.parameterDisplay;
    if (!readout) {
        if (display)
            display->hide();
        paintBox1_->setCursor(Qt::ArrowCursor);
        return;
    }
    if (display)
        display->setVisible(checkBox1_->isChecked() && radioButtons_[7]->isChecked());
    paintBox1_->setCursor(Qt::CrossCursor);

    cursorReadout_ = readout->cursor;
    applyReadout(*readout);
    sendReadoutMessage(*readout);

    if (liveLabel_) {
        liveLabel_.reset();
        paintBox1_->update();
    }
    if (!(buttons & Qt::RightButton) && (checkBox1_->isChecked() || (modifiers & Qt::ShiftModifier))) {
        liveLabel_ = LiveLabel{X, Y, liveLabelKind(), cursorReadout_};
        paintBox1_->update();
        if (!bitmapMatchesDrawingArea())
            redrawFreshChart();
    }
}

void TForm2::applyReadout(const MouseReadout& r) {
    const std::array<const std::string*, 14> texts = {
        nullptr,       &r.frequency,           &r.referenceImpedance, &r.impedance,         &r.element,
        &r.reflection, &r.normalisedImpedance, &r.admittance,         &r.admittanceSiemens, &r.quality,
        &r.vswr,       &r.voltageReflection,   &r.powerReflection,    &r.returnLossRatio};
    for (std::size_t i = 1; i < texts.size(); ++i)
        labels_[i]->setText(Q(*texts[i]));
    for (std::size_t i = 0; i < r.status.size(); ++i)
        statusPanels_[i]->setText(Q(r.status[i]));
    statusPanels_[3]->setText(ElementCountText(state_.NodeCount));
    statusPanels_[4]->setText(ReflectionStatusText(r.figures));
}

void TForm2::sendReadoutMessage(const MouseReadout& readout) {
    ReadoutMessage message;
    message.lineCount = ReflectionLineCount;
    message.width = 200;
    message.height = 120;
    const std::array<QString, ReflectionLineCount> lines = ReflectionLines(readout.figures);
    for (int i = 0; i < ReflectionLineCount; ++i) {
        message.lines[i] = Utf8ToGbk(U8(lines[i]));
        // The display takes the width asked for: more when a line needs it (a translated one).
        if (const QWidget* display = tools_.parameterDisplay)
            message.width = std::max(message.width, display->fontMetrics().horizontalAdvance(lines[i]) + 10);
    }
    const std::string bytes = EncodeReadoutMessage(message);
    readoutBlock_ = QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
    emit hub_.readoutBlock(readoutBlock_);
}

int TForm2::liveLabelKind() const {
    if (radioButtons_[6]->isChecked())
        return static_cast<int>(LabelKind::Vswr);
    if (radioButtons_[5]->isChecked())
        return static_cast<int>(LabelKind::NormalisedAdmittance);
    if (radioButtons_[4]->isChecked())
        return static_cast<int>(LabelKind::NormalisedImpedance);
    if (radioButtons_[3]->isChecked())
        return static_cast<int>(LabelKind::Reflection);
    return static_cast<int>(LabelKind::Impedance);
}

int TForm2::markerLabelKind() const {
    if (radioButtons_[1]->isChecked())
        return static_cast<int>(LabelKind::Impedance);
    if (radioButtons_[3]->isChecked())
        return static_cast<int>(LabelKind::Reflection);
    if (radioButtons_[4]->isChecked())
        return static_cast<int>(LabelKind::NormalisedImpedance);
    if (radioButtons_[5]->isChecked())
        return static_cast<int>(LabelKind::NormalisedAdmittance);
    if (radioButtons_[6]->isChecked())
        return static_cast<int>(LabelKind::Vswr);
    return static_cast<int>(LabelKind::MarkerOnly);
}

void TForm2::PaintBox1MouseDown(Qt::MouseButton button, bool doubleClick, int X, int Y) {
    if (!IsInsideChart(state_.geometry, X, Y))
        return;
    if (button == Qt::LeftButton) {
        if (tools_.setSelection)
            tools_.setSelection->hide();
        addMark(ReadoutMark{PixelToGamma(state_.geometry, X, Y), cursorReadout_, markerLabelKind(),
                            markerColour_, state_.colours[ColourKey::MarkerText]});
        return;
    }
    if (button != Qt::RightButton)
        return;
    if (doubleClick)
        refreshChartArea();
    if (tools_.endPicker)
        tools_.endPicker->showAt(paintBox1_->mapToGlobal(QPoint(X, Y)),
                                 {cursorReadout_.Rohm, cursorReadout_.Xohm});
}

// Every overlay layer goes; the network stays on the chart, which always shows the design.
void TForm2::BitBtn1Click() {
    overlays_.clearAll();
    redrawNetwork();
}

void TForm2::clearOverlay(OverlayLayer layer) {
    overlays_.clear(layer);
    redrawNetwork();
}

void TForm2::drawWholeChart() {
    bitmapSurface_.pen.width = 1;
    if (!bitmapMatchesDrawingArea())
        setGeometryFromDrawingArea();
    redrawFreshChart();
    drawOverFreshChart(bitmapSurface_);
}

void TForm2::setColourBox(int colour, int textColour) {
    markerColour_ = colour;
    panel2_->setStyleSheet(ColourStyle(colour, textColour));
}

void TForm2::Panel2Click() {
    if (const std::optional<int> chosen = prompter_.chooseColour(markerColour_))
        setColourBox(*chosen & 0xFFFFFF, (*chosen & 0xFFFFFF) ^ 0xFFFFFF);
}

void TForm2::BitBtn11Click() {
    const QString start = Q(state_.programDir) + QStringLiteral("/S1.bmp");
    const std::optional<QString> path =
        prompter_.saveFileName(tr("保存圆图"), start,
                               tr("bmp files (*.bmp);;jpg files (*.bmp);;png files (*.png);;"
                                  "svg files (*.svg);;pdf files (*.pdf)"));
    if (!path)
        return;
    if (QFileInfo::exists(*path) && prompter_.ask(tr("文件已经存在,覆盖吗？")) != Prompter::Answer::Yes)
        return;
    if (!savePicture(U8(*path)))
        prompter_.showMessage(tr("圆图没有保存: %1").arg(*path));
}

void TForm2::drawPicture(Surface& surface) {
    DrawFreshChart(surface, state_.geometry, state_.colours);
    drawOverFreshChart(surface);
}

void TForm2::drawOverFreshChart(Surface& surface) {
    if (network_ && network_->nodeCount() >= 1)
        network_->drawNetwork(surface);
    DrawOverlayLayers(surface, state_.geometry, overlays_);
}

bool TForm2::savePicture(const std::string& path) {
    const QImage& picture = chartBitmap();
    if (const std::optional<VectorFormat> format = VectorFormatOf(path))
        return SaveVectorPictureAtomically(
            path, *format, picture.width(), picture.height(),
            SurfacePicture(picture.width(), picture.height(),
                           [this](Surface& surface) { drawPicture(surface); }));
    return SavePictureAtomically(picture, path, PictureFormatOf(path));
}

void TForm2::printClick() {
    const QImage& picture = chartBitmap();
    PreviewPicture(this, picture.width(), picture.height(),
                   SurfacePicture(picture.width(), picture.height(),
                                  [this](Surface& surface) { drawPicture(surface); }));
}

void TForm2::BitBtn15Click() {
    if (network_)
        network_->deleteLastElement();
}

void TForm2::BitBtn16Click() {
    if (network_)
        network_->recalculate();
    else
        redrawNetwork();
}

void TForm2::undoClick() {
    if (network_)
        network_->undo();
}

void TForm2::redoClick() {
    if (network_)
        network_->redo();
}

void TForm2::setNetwork(NetworkPort* network) {
    network_ = network;
    networkChanged(NetworkRedraw::Whole);
}

void TForm2::networkChanged(NetworkRedraw how) {
    undoButton_->setEnabled(network_ && network_->canUndo());
    redoButton_->setEnabled(network_ && network_->canRedo());
    showFrequencyAndImpedance();
    if (how == NetworkRedraw::LastElement && network_) {
        showNodeCount();
        network_->drawLastElement(bitmapSurface_);
        refreshChartArea();
        refreshMatchFigures("%4.2fdb");
        return;
    }
    redrawNetwork();
}

// A fresh chart with the network's ends and every computed element, and the figures of the
// last node against the source.
void TForm2::redrawNetwork() {
    showNodeCount();
    drawWholeChart();
    refreshChartArea();
    refreshMatchFigures("%4.2f");
}

void TForm2::refreshMatchFigures(const char* numberFormat) {
    std::optional<MatchFigureLines> figures;
    if (network_)
        figures = network_->matchFigures(numberFormat);
    labels_[MatchReturnLossLabel]->setText(figures ? Q(figures->returnLoss) : QStringLiteral("RLmatch="));
    labels_[MatchVswrLabel]->setText(figures ? Q(figures->vswr) : QStringLiteral("IVmatch="));
    labels_[MatchMismatchLossLabel]->setText(figures ? Q(figures->mismatchLoss) : QStringLiteral("ILmatch="));
}

void TForm2::showNodeCount() {
    statusPanels_[3]->setText(ElementCountText(network_ ? network_->nodeCount() : state_.NodeCount));
}

void TForm2::showFrequencyAndImpedance() {
    labels_[FrequencyLabel]->setText(Q("Freq=" + FormatFrequency(state_.Fo)));
    labels_[ZoLabel]->setText(Q(Format("Zo=%f", {state_.Zo})));
}

void TForm2::WmCopyData(const QByteArray& block) {
    const std::optional<StabilityCircles> circles =
        DecodeStabilityBlock(std::string_view(block.constData(), static_cast<std::size_t>(block.size())));
    if (!circles)
        return;
    const std::optional<StabilitySides> sides =
        DecodeStabilitySides(std::string_view(block.constData(), static_cast<std::size_t>(block.size())));
    overlays_.stability = circles;
    overlays_.stabilitySides = sides;
    redrawNetwork();
}

void TForm2::addOverlayCircle(const OverlayCircle& circle) {
    overlays_.designCircles.push_back(circle);
    redrawNetwork();
}

void TForm2::addMark(const ChartMark& mark) {
    overlays_.marks.push_back(mark);
    try {
        DrawChartMark(bitmapSurface_, state_.geometry, mark);
    } catch (const FloatingPointError&) {
        // Kept: a larger chart may place it.
    }
    refreshChartArea();
}

void TForm2::addPointPlot(PointPlot plot) {
    overlays_.addPlot(std::move(plot));
    redrawNetwork();
}

void TForm2::setResponseLocus(std::optional<ResponseLocus> locus) {
    overlays_.locus = std::move(locus);
}

void TForm2::showStatusMessage(const QString& text) {
    statusPanels_[4]->setText(text);
}

QString TForm2::statusPanelText(int panel) const {
    return statusPanels_.at(static_cast<std::size_t>(panel))->text();
}

} // namespace qv
