#include "chart/windows/about_box.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace qv {

namespace {
QLineEdit* ContactLine(const QString& text, const QString& name, QWidget* parent) {
    auto* line = new QLineEdit(text, parent);
    line->setObjectName(name);
    line->setReadOnly(true);
    line->setFrame(false);
    line->setCursorPosition(0);
    return line;
}
} // namespace

Tfabout::Tfabout(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Tfabout"));
    setWindowTitle(tr("关于"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(24, 20, 24, 16);
    column->setSpacing(10);
    auto* title = new QLabel(tr("关于射频微波Quorvane"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = title->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    title->setFont(titleFont);
    title->setAlignment(Qt::AlignCenter);
    column->addWidget(title);
    column->addWidget(ContactLine(tr("项目主页: %1").arg(QStringLiteral("https://quorvane.example.org")),
                                  QStringLiteral("Edit1"), this));
    column->addWidget(ContactLine(tr("联系邮箱: %1").arg(QStringLiteral("team@quorvane.example.org")),
                                  QStringLiteral("Edit2"), this));
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(ok, 0, Qt::AlignHCenter);
    setFixedWidth(std::max(380, sizeHint().width()));
}

} // namespace qv
