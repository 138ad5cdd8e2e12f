// The help window: the help document VESPE31.HLP (our own HTML, one
// <section id="..."> per topic, the contents first) shown a topic at a time,
// with links between topics and Atrás, Adelante and Índice.
#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>
#include <QTextBrowser>

#include <optional>

namespace vsp::ui {

struct DocumentoAyuda {
    QString estilo;                 // the document's style sheet
    QStringList claves;             // the topics in the file's order; the first is the contents
    QHash<QString, QString> temas;  // key → the topic's HTML, links already as ayuda:key
};

// Reads a help document; nothing when the file cannot be read or holds no
// topic.
std::optional<DocumentoAyuda> LeeAyuda(const QString& ruta);

// The address of a topic in the help window.
QUrl DireccionTema(const QString& clave);

class VisorAyuda : public QTextBrowser {
public:
    VisorAyuda(const DocumentoAyuda& documento, QWidget* padre);
    QVariant loadResource(int tipo, const QUrl& nombre) override;

private:
    const DocumentoAyuda& documento_;
};

class VentanaAyuda : public QDialog {
    Q_OBJECT
public:
    explicit VentanaAyuda(DocumentoAyuda documento, QWidget* padre = nullptr);

    const DocumentoAyuda& documento() const { return documento_; }
    QTextBrowser* visor() const { return visor_; }
    void muestraIndice();

private:
    DocumentoAyuda documento_;
    VisorAyuda* visor_;
};

}  // namespace vsp::ui
