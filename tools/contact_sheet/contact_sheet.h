#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

// A labelled sheet of pictures in titled sections, flowed left to right and
// wrapped at the sheet's width, so every resource can be judged at a glance.
class ContactSheet {
public:
    explicit ContactSheet(int width);

    void addSection(const QString &title, const QString &note = QString());
    // A picture with one or more lines of label under it, in the last section.
    void addItem(const QImage &picture, const QStringList &label);

    QImage render() const;

private:
    struct Item {
        QImage picture;
        QStringList label;
    };
    struct Section {
        QString title;
        QString note;
        std::vector<Item> items;
    };

    int layout(QPainter *painter) const; // draws when given a painter; returns the height

    int m_width;
    std::vector<Section> m_sections;
};
