#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

/// A minimal UTF-8 XML writer with exact control over the bytes: no indentation,
/// empty elements as "<a/>", and text XML 1.0 cannot carry silently dropped.
class EscritorXml {
public:
    void declaracion();
    void abrir(QStringView nombre);
    void atributo(QStringView nombre, QStringView valor);
    void texto(QStringView valor);
    void cerrar();
    /// Appends bytes already written by another writer (a fragment of the same document).
    void anexar(const QByteArray &fragmento);

    [[nodiscard]] const QByteArray &bytes() const { return m_salida; }

private:
    void terminarApertura();
    void escapar(QStringView valor, bool enAtributo);

    QByteArray m_salida;
    QList<QString> m_abiertos;
    bool m_aperturaPendiente = false;
};

/// The text without what XML 1.0 cannot carry: control characters other than tab,
/// line feed and carriage return, U+FFFE, U+FFFF and unpaired surrogates.
[[nodiscard]] QString TextoXmlValido(QStringView texto);
