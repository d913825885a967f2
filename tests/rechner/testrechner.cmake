# The test build's own calculators: each one its folder beside this file,
# with its kv_rechner() call (NICHT_AUSGELIEFERT).  The test build and the
# web module the page's tests open both take them from here.
set(KV_TESTRECHNER drillstab)
