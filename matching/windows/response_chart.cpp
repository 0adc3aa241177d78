#include "matching/windows/response_chart.h"

#include "chart/drawing/chart_picture.h"
#include "chart/drawing/vector_picture.h"
#include "ui/qt_text.h"

#include <QAreaSeries>
#include <QCoreApplication>
#include <QGraphicsScene>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QValueAxis>
#include <initializer_list>

namespace qv {

namespace {

QList<QPointF> Points(const std::vector<PlotPoint>& points) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const PlotPoint& p : points)
        list.append({p.x, p.y});
    return list;
}

QLineSeries* Curve(const QString& name, const QPen& pen) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    return series;
}

} // namespace

ResponseChart::ResponseChart() {
    legend()->setAlignment(Qt::AlignBottom);
    returnLoss_ = Curve(tr("回波损耗 dB"), QPen(QColor(200, 0, 0), 2));
    vswr_ = Curve(tr("驻波比"), QPen(QColor(0, 0, 200), 2));
    design_ = Curve(QStringLiteral("Fo"), QPen(QColor(0, 120, 0), 1, Qt::DashLine));
    bandTop_ = new QLineSeries(this);
    band_ = new QAreaSeries(bandTop_);
    band_->setName(tr("频带"));
    band_->setColor(QColor(255, 200, 0, 70));
    band_->setBorderColor(QColor(255, 200, 0, 70));
    worst_ = Curve(tr("最差"), QPen(QColor(200, 0, 0, 120), 1, Qt::DotLine));
    best_ = Curve(tr("最好"), QPen(QColor(200, 0, 0, 120), 1, Qt::DotLine));
    for (QAbstractSeries* s :
         std::initializer_list<QAbstractSeries*>{band_, returnLoss_, vswr_, design_, worst_, best_})
        addSeries(s);

    frequencyAxis_ = new QValueAxis;
    frequencyAxis_->setTitleText(QStringLiteral("MHz"));
    returnLossAxis_ = new QValueAxis;
    returnLossAxis_->setTitleText(tr("回波损耗 dB"));
    vswrAxis_ = new QValueAxis;
    vswrAxis_->setTitleText(tr("驻波比"));
    vswrAxis_->setRange(1, VswrAxisTop);
    vswrAxis_->setTickCount(10);
    vswrAxis_->setLabelFormat(QStringLiteral("%.0f"));
    returnLossAxis_->setLabelFormat(QStringLiteral("%.0f"));
    // The axis is laid out for the widest labels it will have ("60"), not those of a 0..1 range.
    returnLossAxis_->setRange(0, MaxReturnLossTop);
    returnLossAxis_->setTickType(QValueAxis::TicksDynamic);
    returnLossAxis_->setTickAnchor(0);
    addAxis(frequencyAxis_, Qt::AlignBottom);
    addAxis(returnLossAxis_, Qt::AlignLeft);
    addAxis(vswrAxis_, Qt::AlignRight);
    for (QAbstractSeries* s :
         std::initializer_list<QAbstractSeries*>{band_, returnLoss_, design_, worst_, best_}) {
        s->attachAxis(frequencyAxis_);
        s->attachAxis(returnLossAxis_);
    }
    vswr_->attachAxis(frequencyAxis_);
    vswr_->attachAxis(vswrAxis_);

    // Nothing swept yet: no scale, no legend.
    for (QValueAxis* axis : {frequencyAxis_, returnLossAxis_, vswrAxis_})
        axis->setVisible(false);
    legend()->setVisible(false);
    showSpread({}, {});
}

void ResponseChart::showPlot(const ResponsePlot& plot) {
    for (QValueAxis* axis : {frequencyAxis_, returnLossAxis_, vswrAxis_})
        axis->setVisible(true);
    legend()->setVisible(true);
    frequencyAxis_->setRange(plot.startMHz, plot.stopMHz);
    returnLossTop_ = plot.returnLossTop;
    returnLossAxis_->setRange(0, plot.returnLossTop);
    // Every 5 dB, every 10 dB on a tall scale, whose labels would not fit the height otherwise.
    returnLossAxis_->setTickInterval(plot.returnLossTop > 30 ? 10 : 5);
    returnLoss_->replace(Points(plot.returnLoss));
    vswr_->replace(Points(plot.vswr));
    design_->replace({{plot.designMHz, 0}, {plot.designMHz, plot.returnLossTop}});
    if (plot.band)
        bandTop_->replace({{plot.band->x, plot.returnLossTop}, {plot.band->y, plot.returnLossTop}});
    else
        bandTop_->clear();
}

void ResponseChart::clearCurves() {
    for (QLineSeries* s : {returnLoss_, vswr_, bandTop_, worst_, best_})
        s->clear();
}

void ResponseChart::showSpread(const std::vector<PlotPoint>& worst, const std::vector<PlotPoint>& best) {
    worst_->replace(Points(worst));
    best_->replace(Points(best));
    // Named in the legend only while drawn.
    for (QLegendMarker* marker : legend()->markers(worst_) + legend()->markers(best_))
        marker->setVisible(!worst.empty());
}

bool SaveResponsePlot(const std::string& path, const ResponsePlot& plot) {
    const std::optional<VectorFormat> vector = VectorFormatOf(path);
    const bool png = QString::fromStdString(path).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
    if (!vector && !png)
        return false;
    // Laid out at the picture's size in a scene of its own, whether or not any window is shown.
    QGraphicsScene scene;
    auto* chart = new ResponseChart;
    scene.addItem(chart);
    chart->showPlot(plot);
    const QRectF area(0, 0, PlotPictureWidth, PlotPictureHeight);
    chart->setGeometry(area);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto paint = [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        scene.render(&painter, area, area);
    };
    if (vector)
        return SaveVectorPictureAtomically(path, *vector, PlotPictureWidth, PlotPictureHeight, paint);
    QImage picture = MakeChartImage(PlotPictureWidth, PlotPictureHeight);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        paint(painter);
    }
    return SavePictureAtomically(picture, path, "PNG");
}

} // namespace qv
