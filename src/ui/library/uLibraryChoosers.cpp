#include "ui/library/uLibraryChoosers.h"

#include "ui/library/uAlbumsDialog.h"
#include "ui/library/uArtistsForm.h"
#include "ui/library/uLabelsForm.h"

TSongWindowHooks LibraryChoosers(TDBMainBase* store, QWidget* parent) {
    TSongWindowHooks hooks;
    hooks.ArtistChooser = [store, parent](const QString& initial, int& id, QString& name) {
        return ChooseArtist(store, initial, id, name, parent);
    };
    hooks.AlbumChooser = [store, parent](int artistId, int& albumId, QString& title) {
        return ChooseAlbum(store, artistId, albumId, title, parent);
    };
    hooks.LabelChooser = [store, parent](const QString& current, int& id, QString& value) {
        return ChooseLabel(store, current, id, value, parent);
    };
    return hooks;
}
