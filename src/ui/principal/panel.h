// What the panels over the chart share: a dark translucent card, and the
// panel texts, which answer a double click.
#pragma once

#include <QLabel>
#include <QWidget>

namespace vsp::ui {

class PanelCielo : public QWidget {
    Q_OBJECT
public:
    explicit PanelCielo(QWidget* padre = nullptr);

    // The fixed-pitch font of the panels' texts.
    static QFont fuenteTextos();

protected:
    void paintEvent(QPaintEvent*) override;
    // The card's outline, for panels that paint more inside it.
    QRectF tarjeta() const;
};

// One text of a panel (the program's Tex_ boxes): plain text, spaces kept.
class TextoPanel : public QLabel {
    Q_OBJECT
public:
    // `caracteres` is the width to keep free, so that the panel does not
    // change size as the text changes.
    TextoPanel(const char* nombre, int caracteres, QWidget* padre = nullptr);

signals:
    void dobleClic();

protected:
    void mouseDoubleClickEvent(QMouseEvent*) override;
};

}  // namespace vsp::ui
