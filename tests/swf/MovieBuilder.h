#pragma once

#include <QByteArray>
#include <QString>

// Writes small movies for tests: tags are appended in order and bytes() wraps them in an "FWS"
// header (or "CWS" when compressed). Scripts are written as raw action bytes with the helpers.
class MovieBuilder {
public:
    explicit MovieBuilder(int version = 8, int frameCount = 1);

    MovieBuilder& tag(int code, const QByteArray& body);
    MovieBuilder& showFrame();
    MovieBuilder& doAction(const QByteArray& actions);
    MovieBuilder& frameLabel(const QString& label);
    MovieBuilder& defineSprite(int id, int frameCount, const QByteArray& tags);
    MovieBuilder& placeSprite(int id, int depth, const QString& name);
    MovieBuilder& removeObject(int depth);
    QByteArray tagBytes() const { return m_tags; }
    QByteArray bytes(bool compressed = false) const;

    // Action helpers; each returns the bytes of one action.
    static QByteArray pushString(const QString& text);
    static QByteArray pushNumber(double value);
    static QByteArray action(int code, const QByteArray& payload = {});
    static QByteArray trace(const QString& text);   // push text, Trace
    static QByteArray jump(int offset);

    static QByteArray tagHeader(int code, qsizetype length);

private:
    int m_version;
    int m_frameCount;
    QByteArray m_tags;
};
