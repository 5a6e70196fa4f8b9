#pragma once
// Data-aware controls shared by the dictionary windows: a grid over a data
// source and displays of one field of its current row. They only read: the
// stores are never written.

#include "data/querymodel.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>

namespace cx::windows {

// A read-only grid over a data source: one row per result row, whole rows
// selected, a row indicator marking the current row. A click, the arrow
// keys (and the wheel, which the windows' hooks turn into arrow keys) move
// the query's current row; the grid follows moves made elsewhere.
class TDBGrid : public QTableView {
    Q_OBJECT
public:
    struct Column {
        QString field;
        QString title;
        int width = 64;
    };
    TDBGrid(data::DataSource *source, const QVector<Column> &columns, QWidget *parent = nullptr);

    data::QueryTableModel *queryModel() const { return model_; }
    // Hides the row indicator (grids whose description has none).
    void setIndicator(bool on);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;

private:
    void followQuery();

    data::QueryTableModel *model_;
    bool following_ = false;
};

// A label showing one field of the current row (empty while the query is
// closed or empty). Its text is what the windows read back.
class TDBText : public QLabel {
    Q_OBJECT
public:
    TDBText(data::DataSource *source, const QString &field, QWidget *parent = nullptr);
    const QString &field() const { return field_; }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void refresh();
    data::DataSource *source_;
    QString field_;
};

// A read-only multi-line display of one field.
class TDBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    TDBMemo(data::DataSource *source, const QString &field, QWidget *parent = nullptr);

signals:
    // The shown text changed (a row move, an open or a close).
    void contentChanged();

private:
    void refresh();
    data::DataSource *source_;
    QString field_;
};

// A one-line read-only edit of one field (hidden edits serve as scratch).
class TDBEdit : public QLineEdit {
    Q_OBJECT
public:
    TDBEdit(data::DataSource *source, const QString &field, QWidget *parent = nullptr);

private:
    void refresh();
    data::DataSource *source_;
    QString field_;
};

// The current row's value of field, empty when the query is closed, empty,
// or has no such field (a damaged store must not break a display).
QString currentFieldText(const data::DataSource *source, const QString &field);

} // namespace cx::windows
