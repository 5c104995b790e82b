#pragma once
// The work table as a Qt item model: reads the core WorkTable in place and forwards its change
// notifications, so the view never holds a copy of the itinerary.
#include <QAbstractTableModel>

#include "app/session.h"

namespace wayloom {

class WorkTableModel final : public QAbstractTableModel, private TableObserver {
    Q_OBJECT
public:
    explicit WorkTableModel(Session& session, QObject* parent = nullptr);
    ~WorkTableModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    Session& session() const { return session_; }

    // The redraw flag: while it is off the view shows no rows at all and changes of the table are
    // not forwarded one by one (a file read appends 100,000 rows); turning it on resets the view.
    void setRedraw(bool enabled);
    bool redraw() const { return redraw_; }

    // True while the core is in the middle of a change; the view ignores Qt's own selection
    // signals then, since they only echo the change.
    bool coreChanging() const { return coreChanging_ > 0; }

signals:
    // The core changed selected or focused states (or rows moved): the view's selection model is to
    // be brought in line. Emitted at most once per turn of the event loop.
    void selectionOutOfDate();
    // A row gained the selected state.
    void rowSelected(int row);

private:
    void rowsAboutToBeInserted(int first, int last) override;
    void rowsInserted(int first, int last) override;
    void rowsAboutToBeRemoved(int first, int last) override;
    void rowsRemoved(int first, int last) override;
    void rowChanged(int row) override;
    void selectionChanged(int row) override;
    void layoutAboutToBeChanged() override;
    void layoutChanged() override;

    void markSelectionOutOfDate();

    Session& session_;
    bool redraw_ = true;
    int coreChanging_ = 0;
    bool selectionSignalQueued_ = false;
    // The table's selected count at the last notification: a state notification that changes it
    // is a selection change, one that leaves it is a focus change.
    int knownSelectedCount_ = 0;
};

}  // namespace wayloom
