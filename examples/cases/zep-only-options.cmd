zep -ix
