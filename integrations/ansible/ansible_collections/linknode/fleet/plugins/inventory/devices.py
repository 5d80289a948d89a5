# -*- coding: utf-8 -*-
# Copyright: 2026 linknode-tool maintainers. All rights reserved.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
name: devices
short_description: The LinkNode field devices of a site as hosts
version_added: "1.3.0"
description:
  - Lists the devices of one site as hosts, each named by its MAC, from C(linknode discover
    --format json) run on the controller, or from an inventory file that C(linknode
    inventory save) or M(linknode.fleet.backup) wrote.
  - Each field of a device's record (C(ip), C(mask), C(gateway), C(model), C(firmware),
    C(mode), C(hostIp), C(hostPort), C(options), C(interface), C(flags), C(record), and from
    an inventory file the serial settings, C(wiegand) and C(login) too) is a host variable
    of that name.
  - A device joins a group for its model, C(model_) and its model caption as linknode shows
    it, with its firmware (C(model_krt_40_nx_v5_2_4f)), and one for its subnet, C(subnet_)
    and the subnet's address and prefix length (C(subnet_10_40_7_0_24)); a character a
    group name cannot hold becomes C(_), and the letters are small.
  - The devices are no hosts Ansible can log in to; a play on them runs its tasks on a site
    host (C(delegate_to)) or on the controller.
  - The configuration is a YAML file whose name ends in C(linknode.yml) or C(linknode.yaml).
options:
  plugin:
    description: The name of this plugin, which marks the file as its configuration.
    required: true
    choices: [linknode.fleet.devices]
  inventory_file:
    description:
      - An inventory file on the controller, as C(linknode inventory save) writes it; the
        devices are read from it and none is asked.
      - Without it the controller asks the devices, so it must sit on their segment; for a
        site elsewhere, save the inventory there with M(linknode.fleet.backup) and fetch it.
    type: path
  linknode:
    description: The C(linknode) program on the controller, a name looked up in the PATH or
      a path.
    type: path
    default: linknode
  interface:
    description: Broadcasts through these network adapters of the controller only.
    type: list
    elements: str
  wait:
    description: Passed as C(--wait); seconds to collect replies at least. Left out,
      linknode's default of 1 holds.
    type: float
extends_documentation_fragment:
  - constructed
notes:
  - From an inventory file the host variables hold the logins as the devices hold them; a
    gateway's MQTT user and password are among them.
author:
  - linknode-tool maintainers
"""

EXAMPLES = r"""
# site.linknode.yml: the devices of the controller's own segment
plugin: linknode.fleet.devices
wait: 2

# harbour.linknode.yml: a site elsewhere, from the inventory its site host saved
plugin: linknode.fleet.devices
inventory_file: backups/harbour.json
compose:
  ansible_host: ip
keyed_groups:
  - key: mode
    prefix: mode
"""

import ipaddress
import json
import re
import subprocess

from ansible.errors import AnsibleParserError
from ansible.module_utils.common.text.converters import to_native
from ansible.plugins.inventory import BaseInventoryPlugin, Constructable

# Seconds linknode may take past its wait: a discovery that keeps getting replies stops at
# its --max-wait of 30.
SLACK = 60


def group_name(prefix, text):
    return prefix + re.sub(r"[^a-z0-9_]", "_", text.lower())


def subnet_of(device):
    try:
        return ipaddress.ip_interface(u"%s/%s" % (device["ip"], device["mask"])).network
    except (KeyError, ValueError):
        return None


def devices_of(text, source):
    """The device objects of a list, or why they are none."""
    try:
        devices = json.loads(text)
    except ValueError as error:
        raise AnsibleParserError("%s: not JSON: %s" % (source, to_native(error)))
    if isinstance(devices, dict) and devices.get("format") == "linknode-inventory":
        devices = devices.get("devices") if devices.get("version") == 1 else None
    if not isinstance(devices, list) or not all(
        isinstance(device, dict) and device.get("mac") for device in devices
    ):
        raise AnsibleParserError("%s: no list of devices written by linknode" % source)
    return devices


class InventoryModule(BaseInventoryPlugin, Constructable):
    NAME = "linknode.fleet.devices"

    def verify_file(self, path):
        return super(InventoryModule, self).verify_file(path) and path.endswith(
            ("linknode.yml", "linknode.yaml")
        )

    def parse(self, inventory, loader, path, cache=True):
        super(InventoryModule, self).parse(inventory, loader, path, cache)
        self._read_config_data(path)
        saved = self.get_option("inventory_file")
        devices = self._saved(saved) if saved else self._discovered()
        for device in devices:
            self._add(device)

    def _saved(self, path):
        try:
            with open(path, "rb") as saved:
                return devices_of(saved.read(), path)
        except (IOError, OSError) as error:
            raise AnsibleParserError("%s: %s" % (path, to_native(error)))

    def _discovered(self):
        command = [self.get_option("linknode"), "discover", "--format", "json"]
        wait = self.get_option("wait")
        if wait is not None:
            command += ["--wait", str(wait)]
        for name in self.get_option("interface") or []:
            command += ["--interface", name]
        try:
            run = subprocess.run(
                command, capture_output=True, timeout=(wait or 1) + SLACK, check=False
            )
        except (OSError, subprocess.TimeoutExpired) as error:
            raise AnsibleParserError("linknode discover did not run: %s" % to_native(error))
        if run.returncode != 0:
            raise AnsibleParserError(
                "linknode discover exited with status %d: %s"
                % (run.returncode, to_native(run.stderr).strip())
            )
        return devices_of(run.stdout, "linknode discover")

    def _add(self, device):
        host = self.inventory.add_host(device["mac"])
        for field, value in device.items():
            self.inventory.set_variable(host, field, value)
        groups = []
        if device.get("model"):
            groups.append(group_name("model_", device["model"]))
        subnet = subnet_of(device)
        if subnet is not None:
            groups.append(group_name("subnet_", str(subnet)))
        for group in groups:
            self.inventory.add_group(group)
            self.inventory.add_child(group, host)
        strict = self.get_option("strict")
        self._set_composite_vars(self.get_option("compose"), device, host, strict=strict)
        self._add_host_to_composed_groups(self.get_option("groups"), device, host, strict=strict)
        self._add_host_to_keyed_groups(self.get_option("keyed_groups"), device, host, strict=strict)
