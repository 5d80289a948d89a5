# The folders bottom-up, as they are built: each may use only the folders before it. The
# build, the include check and the tests read this one list.
set(LINKNODE_LAYERS core widgets link form config discovery boot commands netid mqtt fleet
  monitor app cli)
# The folders that need widgets: the command line tool, above them, stands beside them on the
# widget-free cores only, which the widget-free build proves.
set(LINKNODE_WIDGET_LAYERS widgets form app)
# Beside the layers: the simulator stands alone, with its own wire code; only the MQTT client
# of mqtt/'s core, a binding of a library and no protocol of ours, serves it too, and of
# core/ the library without wire code, ln_core_io (the simulator links nothing else of it).
set(LINKNODE_APART sim)
set(LINKNODE_SIM_USES core mqtt)
