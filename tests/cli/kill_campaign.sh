# A short run of the kill campaign: every rewrite killed at random moments
# leaves the old or the new file, no temporary file, and a lock the next
# writer takes over. scripts/kill-campaign runs longer campaigns.
exec bash "$(dirname "$0")/../../scripts/kill-campaign" 20 "$1"
