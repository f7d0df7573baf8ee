"""A GTK 3 window with a menu bar, File > Quit: what Orca does to another toolkit's open menu,
beside the calculator's."""
import gi
gi.require_version("Gtk", "3.0")
from gi.repository import Gtk
window = Gtk.Window(title="GTK menu probe")
window.connect("destroy", Gtk.main_quit)
bar = Gtk.MenuBar()
file_item = Gtk.MenuItem.new_with_mnemonic("_File")
menu = Gtk.Menu()
quit_item = Gtk.MenuItem.new_with_mnemonic("_Quit")
quit_item.connect("activate", Gtk.main_quit)
menu.append(quit_item)
file_item.set_submenu(menu)
bar.append(file_item)
box = Gtk.Box(orientation=Gtk.Orientation.VERTICAL)
box.pack_start(bar, False, False, 0)
box.pack_start(Gtk.Label(label="probe"), True, True, 0)
window.add(box)
window.set_default_size(300, 200)
window.show_all()
Gtk.main()
