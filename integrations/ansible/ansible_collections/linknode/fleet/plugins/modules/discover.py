#!/usr/bin/python
# -*- coding: utf-8 -*-
# Copyright: 2026 linknode-tool maintainers. All rights reserved.

from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r"""
---
module: discover
short_description: Lists the field devices of one network segment as facts
version_added: "1.3.0"
description:
  - Runs C(linknode discover --format json) on the managed host and sets the fact
    C(linknode_devices) to the devices that answered, one object per MAC, ordered by
    address.
  - The devices are only asked for their configuration; nothing is changed, so the task never
    reports a change and runs the same in check mode.
options:
  wait:
    description:
      - Passed as C(--wait); seconds to collect replies at least (0 to 600). Left out,
        linknode's default of 1 holds.
    type: float
  model:
    description:
      - Only devices whose model caption holds this text, in any case.
    type: str
  subnet:
    description:
      - Only devices with an address in this subnet, such as C(10.40.0.0/16).
    type: str
  flag:
    description:
      - Only devices with all of these flags.
    type: list
    elements: str
    choices: [duplicate-ip, off-subnet, encrypted, old-firmware, record-cut]
extends_documentation_fragment:
  - ansible.builtin.action_common_attributes
  - ansible.builtin.action_common_attributes.facts
  - linknode.fleet.linknode
attributes:
  check_mode:
    support: full
  diff_mode:
    support: none
  facts:
    support: full
  platform:
    platforms: posix
notes:
  - What linknode warns of, such as a discovery cut short at its C(--max-wait) while
    replies kept arriving, shows as a warning of the task.
author:
  - linknode-tool maintainers
"""

EXAMPLES = r"""
- name: Find the devices of this segment
  linknode.fleet.discover:

- name: The gateways of one subnet, replies collected for three seconds
  linknode.fleet.discover:
    model: mqtt
    subnet: 10.40.7.0/24
    wait: 3

- name: Name the devices with an address another device holds too
  ansible.builtin.debug:
    msg: "{{ linknode_devices | selectattr('flags', 'contains', 'duplicate-ip')
             | map(attribute='mac') | list }}"
"""

RETURN = r"""
ansible_facts:
  description: The facts set.
  returned: success
  type: complex
  contains:
    linknode_devices:
      description: The devices that answered, as C(linknode discover --format json) lists
        them; each object holds C(mac), C(ip), C(mask), C(gateway), C(model), C(firmware),
        C(mode), C(hostIp), C(hostPort), C(options), C(interface), C(flags) and C(record).
      returned: success
      type: list
      elements: dict
      sample:
        - mac: 0-80-194-10-0-11
          ip: 10.40.7.11
          mask: 255.255.255.0
          gateway: 10.40.7.1
          model: Keyra 2.4F
          firmware: 2.4F
          mode: client
          hostIp: 10.40.7.1
          hostPort: "2101"
          options: "0700"
          interface: eth0
          flags: []
          record: "0-80-194-10-0-11,10.40.7.11,255.255.255.0,..."
rc:
  description: The exit status of linknode.
  returned: always
  type: int
  sample: 0
cmd:
  description: The command run.
  returned: always
  type: list
  elements: str
  sample: [/usr/bin/linknode, discover, --format, json]
stderr:
  description: What linknode said on standard error.
  returned: always
  type: str
"""

import json

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.linknode.fleet.plugins.module_utils.linknode import (
    COMMON_OPTIONS,
    run_linknode,
)


def discover_arguments(params):
    arguments = ["discover", "--format", "json"]
    if params["wait"] is not None:
        arguments += ["--wait", str(params["wait"])]
    for option in ("model", "subnet"):
        if params[option] is not None:
            arguments += ["--" + option, params[option]]
    for name in params["flag"] or []:
        arguments += ["--flag", name]
    return arguments


def main():
    module = AnsibleModule(
        argument_spec=dict(
            wait=dict(type="float"),
            model=dict(type="str"),
            subnet=dict(type="str"),
            flag=dict(
                type="list",
                elements="str",
                choices=["duplicate-ip", "off-subnet", "encrypted", "old-firmware", "record-cut"],
            ),
            **COMMON_OPTIONS
        ),
        supports_check_mode=True,
    )
    run = run_linknode(module, discover_arguments(module.params))
    stdout = run.pop("stdout")
    try:
        devices = json.loads(stdout)
    except ValueError:
        devices = None
    if run["rc"] != 0 or not isinstance(devices, list):
        module.fail_json(
            msg="linknode discover gave no list (exit status %d): %s"
            % (run["rc"], run["stderr"].strip()),
            stdout=stdout,
            **run
        )
    # With exit 0 linknode says on standard error only what the list may lack.
    for line in run["stderr"].splitlines():
        if line.strip():
            module.warn(line.strip())
    module.exit_json(changed=False, ansible_facts=dict(linknode_devices=devices), **run)


if __name__ == "__main__":
    main()
