// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of a Qt Linguist translation file, as its translators wrote
// them: what the tests compare the game's texts with.
#pragma once

#include <QFile>
#include <QList>
#include <QString>
#include <QXmlStreamReader>

namespace zorbil::test {

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

// Every message of the file at path; empty when it cannot be read.
inline QList<TsMessage> ReadTs(const QString& path)
{
    QList<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            message = {context, {}, {}, false};
        } else if (xml.name() == u"source") {
            message.source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            const QStringView type = xml.attributes().value("type");
            message.finished = type.isEmpty();
            message.translation = xml.readElementText();
            messages << message;
        }
    }
    return xml.hasError() ? QList<TsMessage>{} : messages;
}

}  // namespace zorbil::test
