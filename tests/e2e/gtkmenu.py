"""A GTK 3 window with a menu bar, File > Quit: what Orca does to another toolkit's open menu,
beside the calculator's."""
import gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk  # noqa: E402

window = Gtk.Window(title="GTK menu probe", default_width=300, default_height=200)
window.connect("destroy", Gtk.main_quit)
quit_item = Gtk.MenuItem.new_with_mnemonic("_Quit")
quit_item.connect("activate", Gtk.main_quit)
file_item = Gtk.MenuItem.new_with_mnemonic("_File")
file_item.set_submenu(Gtk.Menu())
file_item.get_submenu().append(quit_item)
bar = Gtk.MenuBar()
bar.append(file_item)
window.add(bar)
window.show_all()
Gtk.main()
