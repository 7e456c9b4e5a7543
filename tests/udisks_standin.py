#!/usr/bin/python3
"""A stand-in for UDisks2, the disk service, for the tests: serves the objects described
in a JSON file on the bus named by DBUS_SYSTEM_BUS_ADDRESS and logs every Unmount,
PowerOff and Eject to a file, one line each: "<method> <object path>".

JSON: {"log": "/path/of/log", "hang": false,
       "drives": {"usbreader": {"Removable": true, "MediaRemovable": true,
                                "ConnectionBus": "usb", "CanPowerOff": true}, ...},
       "blocks": {"sdb1": {"IdType": "vfat", "IdLabel": "REC01", "IdUUID": "1A2B-3C4D",
                           "Drive": "usbreader", "MountPoints": ["/mnt/x"],
                           "Busy": false}, ...}}
With "hang" the service takes the name but never answers GetManagedObjects. On SIGUSR1
the blocks of "later" (same form as "blocks") come, with InterfacesAdded, as a card
inserted.
"""
import json
import signal
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

ROOT = "/org/freedesktop/UDisks2"
BLOCK = "org.freedesktop.UDisks2.Block"
FILESYSTEM = "org.freedesktop.UDisks2.Filesystem"
DRIVE = "org.freedesktop.UDisks2.Drive"
PROPERTIES = "org.freedesktop.DBus.Properties"
OBJECT_MANAGER = "org.freedesktop.DBus.ObjectManager"


class Failure(dbus.DBusException):
    def __init__(self, name, message):
        super().__init__(message, name=name)


class Service:
    def __init__(self, layout):
        self.layout = layout
        self.log = open(layout["log"], "a", buffering=1)

    def note(self, method, path):
        self.log.write("%s %s\n" % (method, path))

    def drive_path(self, name):
        return ROOT + "/drives/" + name

    def block_path(self, name):
        return ROOT + "/block_devices/" + name

    def drive_properties(self, name):
        d = self.layout["drives"][name]
        return dbus.Dictionary({
            "Removable": dbus.Boolean(d.get("Removable", False)),
            "MediaRemovable": dbus.Boolean(d.get("MediaRemovable", False)),
            "ConnectionBus": dbus.String(d.get("ConnectionBus", "")),
            "CanPowerOff": dbus.Boolean(d.get("CanPowerOff", False)),
            "Ejectable": dbus.Boolean(d.get("Ejectable", False)),
        }, signature="sv")

    def block_properties(self, name):
        b = self.layout["blocks"][name]
        drive = b.get("Drive")
        return dbus.Dictionary({
            "Device": dbus.ByteArray(("/dev/" + name).encode() + b"\0"),
            "IdType": dbus.String(b.get("IdType", "")),
            "IdLabel": dbus.String(b.get("IdLabel", "")),
            "IdUUID": dbus.String(b.get("IdUUID", "")),
            "HintSystem": dbus.Boolean(b.get("HintSystem", False)),
            "HintIgnore": dbus.Boolean(b.get("HintIgnore", False)),
            "Size": dbus.UInt64(b.get("Size", 1 << 30)),
            "Drive": dbus.ObjectPath(self.drive_path(drive) if drive else "/"),
        }, signature="sv")

    def filesystem_properties(self, name):
        points = self.layout["blocks"][name].get("MountPoints", [])
        return dbus.Dictionary({
            "MountPoints": dbus.Array([dbus.ByteArray(p.encode() + b"\0") for p in points],
                                      signature="ay"),
        }, signature="sv")

    def managed_objects(self):
        objects = dbus.Dictionary({}, signature="oa{sa{sv}}")
        for name in self.layout["drives"]:
            objects[dbus.ObjectPath(self.drive_path(name))] = dbus.Dictionary(
                {DRIVE: self.drive_properties(name)}, signature="sa{sv}")
        for name in self.layout["blocks"]:
            objects[dbus.ObjectPath(self.block_path(name))] = dbus.Dictionary(
                {BLOCK: self.block_properties(name),
                 FILESYSTEM: self.filesystem_properties(name)}, signature="sa{sv}")
        return objects


class Manager(dbus.service.Object):
    def __init__(self, bus, service):
        super().__init__(bus, ROOT)
        self.service = service

    @dbus.service.signal(OBJECT_MANAGER, signature="oa{sa{sv}}")
    def InterfacesAdded(self, path, interfaces):
        pass

    def plug(self, bus, keep):
        for name, block in self.service.layout.get("later", {}).items():
            self.service.layout["blocks"][name] = block
            keep.append(BlockObject(bus, self.service, name))
            self.InterfacesAdded(
                dbus.ObjectPath(self.service.block_path(name)),
                dbus.Dictionary({BLOCK: self.service.block_properties(name),
                                 FILESYSTEM: self.service.filesystem_properties(name)},
                                signature="sa{sv}"))
        return True

    @dbus.service.method(OBJECT_MANAGER, out_signature="a{oa{sa{sv}}}",
                         async_callbacks=("reply", "error"))
    def GetManagedObjects(self, reply, error):
        if not self.service.layout.get("hang"):
            reply(self.service.managed_objects())


class BlockObject(dbus.service.Object):
    def __init__(self, bus, service, name):
        super().__init__(bus, service.block_path(name))
        self.service = service
        self.name = name

    @dbus.service.method(FILESYSTEM, in_signature="a{sv}")
    def Unmount(self, options):
        self.service.note("Unmount", self.service.block_path(self.name))
        block = self.service.layout["blocks"][self.name]
        if block.get("Busy"):
            raise Failure("org.freedesktop.UDisks2.Error.DeviceBusy",
                          "Error unmounting /dev/%s: target is busy" % self.name)
        block["MountPoints"] = []
        self.PropertiesChanged(FILESYSTEM, self.service.filesystem_properties(self.name), [])

    @dbus.service.signal(PROPERTIES, signature="sa{sv}as")
    def PropertiesChanged(self, interface, changed, invalidated):
        pass


class DriveObject(dbus.service.Object):
    def __init__(self, bus, service, name):
        super().__init__(bus, service.drive_path(name))
        self.service = service
        self.name = name

    @dbus.service.method(DRIVE, in_signature="a{sv}")
    def PowerOff(self, options):
        self.service.note("PowerOff", self.service.drive_path(self.name))

    @dbus.service.method(DRIVE, in_signature="a{sv}")
    def Eject(self, options):
        self.service.note("Eject", self.service.drive_path(self.name))
        # An SD slot inside the computer has no medium to push out.
        if not self.service.layout["drives"][self.name].get("Ejectable", False):
            raise Failure("org.freedesktop.UDisks2.Error.Failed",
                          "Error ejecting: drive %s is not ejectable" % self.name)


def main():
    with open(sys.argv[1]) as f:
        layout = json.load(f)
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SystemBus()
    service = Service(layout)
    manager = Manager(bus, service)
    keep = [manager]
    keep += [BlockObject(bus, service, name) for name in layout["blocks"]]
    keep += [DriveObject(bus, service, name) for name in layout["drives"]]
    name = dbus.service.BusName("org.freedesktop.UDisks2", bus)
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGUSR1, manager.plug, bus, keep)
    print("ready", flush=True)
    GLib.MainLoop().run()
    del keep, name


if __name__ == "__main__":
    main()
